#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the Debian package as a family would, in a fresh Debian 12 root (run as root):
# installs it with apt, plays as a normal user under Xvfb (registers a player, answers a
# question), checks the saves in the user's data folder, upgrades to a package whose bank
# changed and checks the progress is kept, checks `dpkg -V`, and removes the package.
#   scripts/try-package.sh [ROOT]        (default ROOT: /var/tmp/xuehai-try-root)
# Needs: debootstrap, a built package (cmake --build build --target package), network
# access to the Debian mirror. Leaves ROOT for a look afterwards.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
root=${1:-/var/tmp/xuehai-try-root}
deb=$(ls "$here"/build/xuehai_*_amd64.deb | head -n 1)
tool=$here/build/tools/bank/xuehai-bank
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

say() { printf '\n== %s\n' "$*"; }
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin:/usr/games "$@"; }
as_pupil() { in_root su - pupil -s /bin/bash -c "$1"; }

if [ ! -x "$root/usr/bin/apt-get" ]; then
  say "A fresh Debian 12 root in $root"
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
trap 'umount "$root/proc" 2>/dev/null || true; rm -rf "$work"' EXIT

say "Install $(basename "$deb") with apt"
cp "$deb" "$root/tmp/xuehai-1.deb"
in_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive in_root apt-get install -y -qq --no-install-recommends \
  /tmp/xuehai-1.deb xvfb xauth xdotool sqlite3 > "$work/apt.log"
in_root dpkg -s xuehai | grep -E '^(Status|Version)'
id pupil > /dev/null 2>&1 || in_root useradd -m -s /bin/bash pupil 2> /dev/null || true

play() {  # play NAME ANSWER_KEY: registers NAME on the first call, answers one geography question
  as_pupil "Xvfb :23 -screen 0 800x600x24 >/dev/null 2>&1 & x=\$!; sleep 2
    export DISPLAY=:23; xuehai --window --mute > /tmp/xuehai-run.log 2>&1 & g=\$!; sleep 8
    xdotool key Escape; sleep 4
    xdotool mousemove 400 330 click 1; sleep 3
    xdotool mousemove 626 125 click 1; sleep 1; xdotool type --delay 80 '$1'; sleep 1
    xdotool mousemove 148 418 click 1; sleep 8
    xdotool mousemove 240 375 click 1; sleep 6
    xdotool key $2; sleep 4
    kill \$g; sleep 1; kill \$x"
}
records() { as_pupil "sqlite3 ~/.local/share/xuehai/Save/userinfo.dat \"SELECT UserName, UserScore, UserRight, UserWrong FROM UserInfo\""; }
geography() { as_pupil "sqlite3 ~/.local/share/xuehai/Data/Qut006/006.dat \"$1\""; }

say "Play as the user pupil"
play xiaoming 4
echo "player records: $(records)"
echo "geography statistics: $(geography 'SELECT UserName, UserRight, UserWrong FROM UserStats')"
as_pupil 'ls ~/.local/share/xuehai'
echo "installed files changed: $(in_root dpkg -V xuehai | wc -l)"

say "Upgrade to a rebuilt package whose geography bank has one more question"
rm -rf "$work/pkg"
dpkg-deb -R "$deb" "$work/pkg"
bank=$work/pkg/usr/share/games/xuehai/Data/Qut006/006.dat
"$tool" dump "$bank" > "$work/006.csv"
printf '%s\n' '"世界上面积最大的大洋是哪一个？",大西洋,印度洋,太平洋,北冰洋,C,1' >> "$work/006.csv"
rm -f "$bank"
"$tool" build "$work/006.csv" "$bank" > /dev/null
version=$(dpkg-deb -f "$deb" Version)
sed -i "s/^Version: .*/Version: $version+1/" "$work/pkg/DEBIAN/control"
(cd "$work/pkg" && find usr -type f -exec md5sum {} + > DEBIAN/md5sums)
dpkg-deb --root-owner-group -b "$work/pkg" "$root/tmp/xuehai-2.deb" > /dev/null
DEBIAN_FRONTEND=noninteractive in_root apt-get install -y -qq /tmp/xuehai-2.deb >> "$work/apt.log"
in_root dpkg -s xuehai | grep -E '^Version'
echo "installed questions: $(in_root sqlite3 -readonly "file:/usr/share/games/xuehai/Data/Qut006/006.dat?immutable=1" 'SELECT COUNT(*) FROM Question')"

say "Start again after the upgrade and answer once more"
play xiaoming 1
echo "player records: $(records)"
echo "geography statistics: $(geography 'SELECT UserName, UserRight, UserWrong FROM UserStats')"
echo "geography questions in the user's bank: $(geography 'SELECT COUNT(*) FROM Question')"
echo "answers per question kept: $(geography 'SELECT COUNT(*), SUM(RightCount), SUM(WrongCount) FROM [User-Question]')"
echo "installed files changed: $(in_root dpkg -V xuehai | wc -l)"
as_pupil 'cat ~/.local/share/xuehai/xuehai.log 2>/dev/null | tail -n 5 || true'

say "Remove the package"
DEBIAN_FRONTEND=noninteractive in_root apt-get remove -y -qq xuehai >> "$work/apt.log"
in_root dpkg -s xuehai 2>&1 | grep -E '^(Status|dpkg-query)' || true
echo "left in /usr/share/games: $(ls "$root/usr/share/games" 2>/dev/null | wc -l) entries"
echo "the user's saves stay: $(as_pupil 'ls ~/.local/share/xuehai/Save')"
