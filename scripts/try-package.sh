#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the Debian package as a family would, in a fresh Debian 12 root (run as root):
# installs it with apt, plays as a normal user (registers a player, answers a question,
# quits), checks the saves in the user's data folder and that no installed file changed,
# upgrades to a package of a higher version whose geography bank has one more question,
# plays on as the same player and checks the progress is kept, and removes the package.
#   scripts/try-package.sh [ROOT]        (default ROOT: /var/tmp/xuehai-try-root)
# Needs: debootstrap, a built package (cmake --build build --target package), the Debian
# mirror apt uses here, and on this machine Xvfb, xdotool, xmodmap and ImageMagick's import:
# the game runs inside ROOT as the user pupil and draws on a virtual X server started here,
# which scripts/lib/play-moves.sh plays on. Leaves ROOT for a look afterwards (the package
# removed); a second run starts afresh in it. Mounts nothing for longer than the run.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
root=$(realpath -m "${1:-/var/tmp/xuehai-try-root}")
deb=$(ls -t "$here"/build/xuehai_*_amd64.deb | head -n 1)
tool=$here/build/tools/bank/xuehai-bank
display=${XUEHAI_TRY_DISPLAY:-:23}
work=$(mktemp -d)

# The mirrors apt uses on this machine.
repository() {
  apt-get indextargets --format '$(REPO_URI)' 'Identifier: Packages' "Codename: $1" |
    head -n 1
}
mirror=$(repository bookworm)
security=$(repository bookworm-security)
mirror=${mirror:-http://deb.debian.org/debian/}
security=${security:-http://deb.debian.org/debian-security/}

mounted=()
server=
game=
finish() {
  [ -z "$game" ] || kill "$game" 2> /dev/null || true
  [ -z "$server" ] || kill "$server" 2> /dev/null || true
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" || echo "could not unmount ${mounted[i]}" >&2
  done
  rm -rf "$work"
}
trap finish EXIT

say() { printf '\n== %s\n' "$*"; }
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin:/usr/games "$@"; }
as_pupil() { in_root su - pupil -s /bin/bash -c "$1"; }
apt_in_root() {
  DEBIAN_FRONTEND=noninteractive in_root apt-get "$@" >> "$work/apt.log" 2>&1 ||
    { tail -n 30 "$work/apt.log"; exit 1; }
}
mount_in_root() {  # mount_in_root TYPE WHERE
  if ! mountpoint -q "$root/$2"; then
    mount -t "$1" "$1" "$root/$2"
    mounted+=("$root/$2")
  fi
}

if [ ! -x "$root/usr/bin/apt-get" ]; then
  say "A fresh Debian 12 root in $root, from $mirror"
  debootstrap --variant=minbase bookworm "$root" "$mirror" > "$work/debootstrap.log"
fi
cat > "$root/etc/apt/sources.list" << EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main
EOF
mount_in_root proc proc
mount_in_root tmpfs dev/shm

# A root used before starts afresh: no game, no player.
if in_root dpkg -s xuehai > /dev/null 2>&1; then apt_in_root purge -y xuehai; fi
if in_root id pupil > /dev/null 2>&1; then in_root userdel -r pupil 2> /dev/null; fi

say "Install $(basename "$deb") with apt"
cp "$deb" "$root/tmp/xuehai-1.deb"
apt_in_root update
apt_in_root install -y --no-install-recommends /tmp/xuehai-1.deb sqlite3
in_root dpkg -s xuehai | grep -E '^(Status|Version)'
echo "packages in the root: $(in_root dpkg-query -W | wc -l)"
in_root useradd -m -s /bin/bash pupil
echo "user: $(in_root id pupil)"

Xvfb "$display" -screen 0 800x600x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
server=$!
sleep 2
export DISPLAY=$display
# shellcheck source=scripts/lib/play-moves.sh
. "$here/scripts/lib/play-moves.sh"

# Starts the installed game as pupil, from the menu entry's command line.
start_game() {
  game=$(as_pupil "DISPLAY=$display setsid xuehai --window --mute > /tmp/xuehai-run.log 2>&1 & echo \$!")
  echo "started as $(in_root stat -c %U "/proc/$game"): $(tr '\0' ' ' < "/proc/$game/cmdline")"
}
# Leaves through 退出游戏 and waits for the game to end.
quit_game() {
  back_to_login
  back_to_title
  press 400 515
  local i
  for ((i = 0; i < 60; i++)); do
    kill -0 "$game" 2> /dev/null || break
    sleep 0.5
  done
  if kill -0 "$game" 2> /dev/null; then
    echo "the game did not end" >&2
    exit 1
  fi
  game=
  echo "the game ended; its output: $(as_pupil 'cat /tmp/xuehai-run.log' | grep -cv XDG_RUNTIME_DIR) lines"
}
saves=.local/share/xuehai
records() {
  as_pupil "sqlite3 ~/$saves/Save/userinfo.dat 'SELECT UserName, UserScore, UserRight, UserWrong FROM UserInfo'"
}
geography() { as_pupil "sqlite3 ~/$saves/Data/Qut006/006.dat \"$1\""; }
show_saves() {
  echo "player records (name|score|right|wrong): $(records)"
  echo "geography totals (name|right|wrong): $(geography 'SELECT UserName, UserRight, UserWrong FROM UserStats')"
  echo "geography answers kept per question (rows|right|wrong): $(geography 'SELECT COUNT(*), SUM(RightCount), SUM(WrongCount) FROM [User-Question]')"
  echo "geography questions in the user's bank: $(geography 'SELECT COUNT(*) FROM Question')"
}
installed_changes() { echo "dpkg -V xuehai: $(in_root dpkg -V xuehai | wc -l) files changed"; }

say "Play as pupil: register 小明, answer a geography question, quit"
start_game
open_login
new_player 小明
enter_map
open_geography
answer 3
quit_game
as_pupil "ls -A ~/$saves" | tr '\n' ' '
echo
show_saves
installed_changes

say "Upgrade to a rebuilt package whose geography bank has one more question"
dpkg-deb -R "$deb" "$work/pkg"
bank=$work/pkg/usr/share/games/xuehai/Data/Qut006/006.dat
"$tool" dump "$bank" > "$work/006.csv"
printf '%s\n' '"连接我国东海和南海的海峡是哪一个？",渤海海峡,琼州海峡,台湾海峡,马六甲海峡,C,1' >> "$work/006.csv"
rm -f "$bank"
"$tool" build "$work/006.csv" "$bank" > /dev/null
version=$(dpkg-deb -f "$deb" Version)
sed -i "s/^Version: .*/Version: $version+1/" "$work/pkg/DEBIAN/control"
(cd "$work/pkg" && find usr -type f -exec md5sum {} + | LC_ALL=C sort -k 2 > DEBIAN/md5sums)
dpkg-deb --root-owner-group -b "$work/pkg" "$root/tmp/xuehai-2.deb" > /dev/null
apt_in_root install -y /tmp/xuehai-2.deb
in_root dpkg -s xuehai | grep -E '^Version'
echo "installed geography questions: $(in_root sqlite3 "file:/usr/share/games/xuehai/Data/Qut006/006.dat?immutable=1" 'SELECT COUNT(*) FROM Question')"

say "Play on after the upgrade: 小明 from 老玩家请选择, one more answer, quit"
start_game
open_login
first_old_player
enter_map
open_geography
answer 1
quit_game
show_saves
installed_changes
as_pupil "tail -n 5 ~/$saves/xuehai.log 2> /dev/null || echo 'no xuehai.log: nothing went wrong'"

say "Remove the package"
apt_in_root remove -y xuehai
in_root dpkg -s xuehai 2>&1 | grep -E '^(Status|dpkg-query)' || true
echo "left of the game: $(ls -d "$root"/usr/games/xuehai "$root"/usr/share/games/xuehai 2> /dev/null | wc -l) paths"
echo "the user's saves stay: $(as_pupil "ls ~/$saves/Save")"
