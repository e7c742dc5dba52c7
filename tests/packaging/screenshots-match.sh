#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The screenshots the metainfo names are the pictures the package ships: each one named is
# in the folder, is a PNG of the size the metainfo gives and is small enough for a software
# centre to fetch quickly, and no picture is shipped that the metainfo does not name.
# Usage: screenshots-match.sh METAINFO SCREENSHOT_DIR
set -eu
metainfo=$1 dir=$2
most_bytes=250000
status=0
named=$(mktemp)
trap 'rm -f "$named"' EXIT

sed -n 's|.*<image[^>]* width="\([0-9]*\)" height="\([0-9]*\)"[^>]*>[^<]*/\([^/<]*\)</image>.*|\3 \1 \2|p' \
  "$metainfo" > "$named"
[ -s "$named" ] || { echo "the metainfo names no screenshot with its size"; exit 1; }
[ "$(grep -c '<image' "$metainfo")" -eq "$(wc -l < "$named")" ] ||
  { echo "a screenshot in the metainfo lacks its width or height"; status=1; }

while read -r name width height; do
  picture=$dir/$name
  if [ ! -f "$picture" ]; then
    echo "$name: named in the metainfo, not in $dir"; status=1; continue
  fi
  description=$(file -b "$picture")
  case $description in
    "PNG image data, $width x $height,"*) ;;
    *) echo "$name: $description, the metainfo says a $width x $height PNG"; status=1 ;;
  esac
  bytes=$(wc -c < "$picture")
  [ "$bytes" -le "$most_bytes" ] || { echo "$name: $bytes bytes, more than $most_bytes"; status=1; }
done < "$named"

for picture in "$dir"/*.png; do
  grep -q "^$(basename "$picture") " "$named" ||
    { echo "$(basename "$picture"): shipped but not named in the metainfo"; status=1; }
done
exit $status
