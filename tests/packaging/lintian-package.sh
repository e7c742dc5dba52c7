#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the build tree into a scratch folder and lets lintian judge the package: any error
# fails. Usage: lintian-package.sh CPACK BUILD_DIR LINTIAN
set -eu
cpack=$1 build=$2 lintian=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; exit 1; }
"$lintian" --fail-on error --no-tag-display-limit "$out"/xuehai_*.deb
