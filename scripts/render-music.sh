#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders one text score of gamedata/music/ to an MP3 loop:
#   render-music.sh RENDERER SCORE OUT.mp3 [CACHE_FOLDER]
# RENDERER is the xuehai-music program of the build, which writes one seamless loop as
# PCM; lame encodes it. With a cache folder, a render is kept there under the hash of the
# score and the renderer, so a touched but unchanged score, a rebuild from scratch or a
# second build folder sharing the cache copies it instead of encoding again.
set -euo pipefail

if [ $# -lt 3 ] || [ $# -gt 4 ]; then
  echo "usage: $0 RENDERER SCORE OUT.mp3 [CACHE_FOLDER]" >&2
  exit 2
fi
renderer=$1 score=$2 out=$3 cache=${4:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

render() {
  "$renderer" "$score" "$work/loop.wav" >/dev/null
  # Variable bit rate around 130 kbit/s: small files, and the soft timbres stay clean.
  lame --quiet --noreplaygain -V 4 "$work/loop.wav" "$work/loop.mp3"
}

if [ -n "$cache" ]; then
  key=$(cat "$score" "$renderer" | sha256sum | cut -c1-32)
  cached="$cache/$key.mp3"
  if [ ! -s "$cached" ]; then
    render
    mkdir -p "$cache"
    # Moved in whole, so a render broken off half way is never taken for a finished one.
    cp "$work/loop.mp3" "$cached.$$"
    mv "$cached.$$" "$cached"
  fi
  cp "$cached" "$work/loop.mp3"
else
  render
fi

mkdir -p "$(dirname "$out")"
mv "$work/loop.mp3" "$out"
