#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Repaints assets/report-background.png, the progress report's 638 x 509 background with its
# painted button captions. Needs the Kai and Ming faces of install-deps.sh; the same fonts
# give the same picture.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$(mktemp -d)"
trap 'rm -rf "$build"' EXIT

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null
QT_QPA_PLATFORM=offscreen "$build/xuehai-report-art" "$root/assets/report-background.png"
echo "wrote $root/assets/report-background.png"
