#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays each movie to its first frame in the real movie player, off screen, and fails when
# a movie does not load or its QML reports an error (a missing type, a bad binding).
#   movies-load-test.sh XUEHAI_MOVIE MOVIES_DIR SUBJECTS_CSV SCRATCH MOVIE...
# MOVIE paths are relative to MOVIES_DIR. The shared components are taken from MOVIES_DIR
# with the subject list generated beside them, as the build lays them out in the game.
set -uo pipefail

if [ $# -lt 5 ]; then
    echo "usage: $0 XUEHAI_MOVIE MOVIES_DIR SUBJECTS_CSV SCRATCH MOVIE..." >&2
    exit 2
fi
viewer=$1 movies=$2 subjects=$3 scratch=$4
shift 4

rm -rf "$scratch"
mkdir -p "$scratch/Xuehai/Ui"
mkdir -m 700 "$scratch/runtime"
for f in "$movies"/Xuehai/Ui/*; do
    ln -s "$(realpath "$f")" "$scratch/Xuehai/Ui/"
done
cmake -DIN="$subjects" -DOUT="$scratch/Xuehai/Ui/Subjects.js" \
    -P "$movies/map/make-subjects-js.cmake" || exit 1

failed=0
for movie in "$@"; do
    out=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime" timeout 60 \
        "$viewer" --first-frame-report --import "$scratch" "$movies/$movie" 2>"$scratch/stderr")
    problems=$(grep -E '^(file|qrc):|error' "$scratch/stderr")
    if [ -n "$problems" ] || ! grep -q '^first frame' <<<"$out"; then
        echo "FAIL $movie"
        cat "$scratch/stderr"
        failed=1
    else
        echo "ok   $movie"
    fi
done
exit $failed
