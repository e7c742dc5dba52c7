# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the game the way a pupil does, with the mouse and the keyboard of an X server
# (xdotool), for the scripts that try the game from outside: make-screenshots.sh and
# try-package.sh. Sourced by bash with DISPLAY set to an 800 x 600 server on which the game
# runs with --window. Needs xdotool, xmodmap and ImageMagick's import.
#
# The places are those of the buttons on the 800 x 600 screens. Each move waits for the
# screen it leads to by a colour seen only there, so a slow machine only takes longer.

# The colour at a point of the screen, as rrggbb.
color_at() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2> /dev/null |
    sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -n 1
}

# wait_for WHAT X Y RRGGBB: waits until the point shows about that colour; after a minute
# tells which screen did not come and fails.
wait_for() {
  local what=$1 x=$2 y=$3 want=$4 seen i
  for ((i = 0; i < 120; i++)); do
    seen=$(color_at "$x" "$y")
    if [ -n "$seen" ] && close_colors "$seen" "$want"; then
      sleep 1  # the movie's buttons take the mouse once it has drawn them
      return 0
    fi
    sleep 0.5
  done
  echo "the $what screen did not show (at $x,$y: ${seen:-nothing}, not $want)" >&2
  return 1
}

close_colors() {
  local a=$1 b=$2 k d
  for k in 0 2 4; do
    d=$((16#${a:k:2} - 16#${b:k:2}))
    ((d > -16 && d < 16)) || return 1
  done
}

press() { xdotool mousemove "$1" "$2" click 1; }

# Gives each character of the text a key of its own before typing it: xdotool otherwise
# rebinds one spare key for each character as it types, and a busy game loses some.
type_text() {
  local text=$1 free c i=0
  mapfile -t free < <(xmodmap -pke | awk 'NF == 3 { print $2 }')
  for ((c = 0; c < ${#text}; c++)); do
    xmodmap -e "keycode ${free[i]} = $(keysym_of "${text:c:1}")"
    i=$((i + 1))
  done
  sleep 0.5
  xdotool type --delay 120 "$text"
  sleep 0.5
}

# The X keysym of one character: U and its code point.
keysym_of() {
  printf 'U%04X' "$(printf '%s' "$1" | iconv -f UTF-8 -t UTF-32LE | od -An -tu4 | tr -d ' ')"
}

# Empties the name box there and types a name into it.
fill_name() {
  press "$1" "$2"
  xdotool key --clearmodifiers ctrl+a BackSpace
  type_text "$3"
}

# The screens, each by a colour at a point:
title_menu() { wait_for "title menu" 300 340 F89B1B; }  # 单人游戏
login_form() { wait_for login 650 125 FFFFFF; }           # the empty name box
map_screen() { wait_for map 505 578 25A095; }             # 成绩单 below the map
quiz_screen() { wait_for quiz 400 110 FFF8E6; }           # the question card
report_screen() { wait_for report 640 450 B04C32; }       # 另存为
battle_setup() { wait_for "battle set-up" 300 515 FFA01E; } # 开始对战
battle_arena() { wait_for "battle arena" 729 30 EC5754; }   # 结束

# The moves, each from the screen before it.
open_login() { title_menu && press 400 330 && login_form; }
new_player() { fill_name 626 125 "$1"; }          # 新玩家名字
enter_map() { press 148 418 && map_screen; }      # 进入地图
# The first player in 老玩家请选择.
first_old_player() { press 657 305 && sleep 1 && press 640 310 && sleep 1; }
open_geography() { press 240 375 && quiz_screen; }   # 地理 on the map as it first shows
answer() { xdotool key "$1" && sleep 2; }            # 1 to 4
next_question() { press 618 480 && sleep 2; }        # 下一题
open_report() { press 543 570 && report_screen; }    # 成绩单
close_report() { press 613 503 && map_screen; }      # 退出
back_to_login() { press 708 570 && login_form; }     # 返回登录
back_to_title() { press 667 428 && title_menu; }     # 返回
open_battle() { press 400 422 && battle_setup; }     # 双人对战
battle_names() { fill_name 228 101 "$1" && fill_name 574 99 "$2"; }
start_battle() { press 400 515 && battle_arena; }    # 开始对战
