#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Xuehai needs to build, test and play, skipping
# what is already there so a second run takes a second.
set -euo pipefail

packages=(
  # toolchain
  cmake g++ ninja-build pkg-config git
  # Qt 6: widgets, printing, Qt Quick (movies), multimedia (music)
  qt6-base-dev qt6-base-private-dev qt6-base-dev-tools qt6-declarative-dev
  qt6-declarative-private-dev qt6-declarative-dev-tools
  qt6-multimedia-dev qt6-qpa-plugins libqt6opengl6-dev
  qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript
  qml6-module-qtquick-shapes qml6-module-qtquick-layouts qml6-module-qtqml-models
  # audio back end for QMediaPlayer; the discoverer that times the music under --mute; the
  # file types that tell a sound file from any other
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good libgstreamer-plugins-base1.0-dev
  shared-mime-info
  # data store and the desktop
  libsqlite3-dev sqlite3 libxrandr-dev libx11-dev
  # a computer room's shared records: libpq for the game, the server for its tests
  libpq-dev postgresql-15
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
  # Chinese faces for the screens' design fonts, Qt's own texts (dialog buttons) in Chinese
  fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming qt6-translations-l10n
  # the Debian package and the checks of its desktop entry, metainfo and contents
  dpkg-dev file desktop-file-utils appstream lintian
  # playing the game from outside for its screenshots and for trying the package on a fresh
  # Debian 12 (scripts/make-screenshots.sh, scripts/try-package.sh)
  xdotool x11-xserver-utils imagemagick optipng debootstrap
  # the demo music is rendered from text scores at build time
  sox lame
  # the teacher's desk: its icons drawn from SVG, its saved PDFs read back by the tests
  librsvg2-bin poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests start PostgreSQL servers of their own as this user (the server refuses root);
# the package makes it, but a machine where it was removed gets it back.
if ! getent passwd postgres >/dev/null; then
  $SUDO useradd --system --home-dir /var/lib/postgresql --shell /bin/bash postgres
fi
