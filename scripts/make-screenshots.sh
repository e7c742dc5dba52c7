#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the screenshots the AppStream metainfo names (packaging/screenshots) from the game
# itself: plays the built game in an 800 x 600 window on a virtual X server, on a copy of
# the demo game folder, the way a player does (a new player 小明 logs in, opens the map,
# answers geography questions, looks at the report, then sets up a battle with 小红), and
# captures each screen as an optimised PNG.
#   scripts/make-screenshots.sh [OUT_DIR]      (default: packaging/screenshots)
# Needs a built game folder (cmake --build build --target game), Xvfb, xdotool, xmodmap,
# ImageMagick's import and optipng. The moves are in scripts/lib/play-moves.sh.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$here/packaging/screenshots}")
game=$here/build/game
display=${XUEHAI_SCREENSHOT_DISPLAY:-:97}
for tool in Xvfb xdotool xmodmap import optipng; do
  command -v "$tool" > /dev/null || { echo "$tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
[ -x "$game/xuehai" ] || { echo "no game in $game: build it first" >&2; exit 1; }

work=$(mktemp -d)
server=
player=
finish() {
  [ -z "$player" ] || kill "$player" 2> /dev/null || true
  [ -z "$server" ] || kill "$server" 2> /dev/null || true
  rm -rf "$work"
}
trap finish EXIT

cp -r "$game" "$work/folder"
rm -f "$work/folder/Save/"userinfo.dat-* "$work/folder"/*.log
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
server=$!
sleep 2
export DISPLAY=$display HOME=$work XDG_RUNTIME_DIR=$work
"$work/folder/xuehai" --window --mute --data "$work/folder" > "$work/game.log" 2>&1 &
player=$!

# shellcheck source=scripts/lib/play-moves.sh
. "$here/scripts/lib/play-moves.sh"
shot() {
  kill -0 "$player" 2> /dev/null || { echo "the game stopped:" >&2; cat "$work/game.log" >&2; exit 1; }
  import -window root "$work/$1.png"
  echo "captured $1"
}

open_login
new_player 小明
shot login
enter_map          # the mouse rests by 地理, which shows its progress
shot map
open_geography
shot quiz
for key in 3 1 2 4 3; do  # a few answers, so the report has something to show
  answer "$key"
  next_question
done
open_report
shot report
close_report
back_to_login
back_to_title
open_battle
battle_names 小明 小红
start_battle
sleep 2            # the first question comes in
shot battle

mkdir -p "$out"
for picture in login map quiz report battle; do
  rm -f "$out/$picture.png"
  optipng -quiet -o5 -strip all -out "$out/$picture.png" "$work/$picture.png"
done
ls -l "$out"
