#!/usr/bin/env bash
# The program's ways out, run as a real process on a real X display with a
# window manager and a notification area: Exit from the tray menu by click
# and by its key, SIGTERM, the game list's "Exit Marrowdale", and closing
# the list where it is the main window. Each must end with exit code 0 and
# the data folder's lock file gone.
#   program_exit_test.sh PROGRAM
set -uo pipefail
program=$(realpath "$1")
source "$(dirname "$0")/../x_desktop.sh"

unset QT_QPA_PLATFORM WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb
start_desktop

start_tray() {
  trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel --height 28 \
    >"$work/trayer.log" 2>&1 &
  tray_pid=$!
  pids+=($tray_pid)
  wait_for 30 sh -c 'xwininfo -root -tree | grep -q "\"panel\": (\"panel\" \"trayer\")"' \
    || fail "trayer did not start"
  # The notification area claims its selection as it maps its panel.
  sleep 1
}

# A fresh data and settings folder: no first-run notice, no splash.
start_program() { # tray startup True/False
  rm -rf "$work/home" && mkdir -p "$work/home/config/Tallowmere" "$work/home/data"
  printf '; Marrowdale settings\n\n[Software\\Tallowmere\\Marrowdale]\nRunBefore=sz:True\nDisplaySplash=sz:False\nSystrayStartup=sz:%s\n' \
    "$1" >"$work/home/config/Tallowmere/Marrowdale.ini"
  chmod 600 "$work/home/config/Tallowmere/Marrowdale.ini"
  lock="$work/home/data/Tallowmere/Marrowdale/Data/marrowdale.lock"
  XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
    "$program" -nonetwork -nosound >"$work/program.log" 2>&1 &
  program_pid=$!
  wait_for 30 test -e "$lock" || fail "the program took no lock"
}

# The centre of the program's icon in the panel, as "X Y".
icon_point() {
  xwininfo -root -tree | awk '
    /"panel": \("panel" "trayer"\)/ { match($0, /^ */); depth = RLENGTH; inpanel = 1; next }
    inpanel { match($0, /^ */); if (RLENGTH <= depth) exit }
    inpanel && /\("marrowdale" "Marrowdale"\)/ {
      if (match($0, /[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+ +\+-?[0-9]+\+-?[0-9]+/)) {
        n = split(substr($0, RSTART, RLENGTH), f, /[x+ ]+/)
        print f[n - 1] + int(f[1] / 2), f[n] + int(f[2] / 2); exit
      }
    }'
}

# The geometry "X Y W H" of the program's top-level window titled $1.
window_at() {
  local id
  id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || return 1
  [ -n "$id" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$X $Y $WIDTH $HEIGHT $id"
}

wait_for_icon() {
  wait_for 30 bash -c "[ -n \"\$(icon_point)\" ]" || fail "no tray icon"
  read -r icon_x icon_y < <(icon_point)
}
export -f icon_point

expect_clean_end() { # name
  local tries=300
  while kill -0 "$program_pid" 2>/dev/null && [ $tries -gt 0 ]; do sleep 0.1; tries=$((tries - 1)); done
  kill -0 "$program_pid" 2>/dev/null && { kill -9 "$program_pid"; fail "$1: the program did not end"; }
  wait "$program_pid"
  local rc=$?
  [ "$rc" -eq 0 ] || fail "$1: exit code $rc"
  [ ! -e "$lock" ] || fail "$1: the lock file was left behind"
  echo "ok: $1"
}

# The geometry "X Y W H" of the program's open popup menu: a child of the
# root window (menus are not managed) larger than the hidden tray window.
menu_at() {
  xwininfo -root -children | awk '
    /\("marrowdale" "Marrowdale"\)/ {
      if (match($0, /[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+/)) {
        split(substr($0, RSTART, RLENGTH), f, /[x+]/)
        if (f[1] > 50 && f[2] > 50) { print f[3], f[4], f[1], f[2]; found = 1; exit }
      }
    }
    END { exit !found }'
}

open_tray_menu() {
  xdotool mousemove "$icon_x" "$icon_y" click 3
  wait_for 20 menu_at || fail "no tray menu"
}

start_tray

# Exit from the tray menu by its access key.
start_program True
wait_for_icon
open_tray_menu
sleep 0.3
xdotool key x
expect_clean_end "tray menu, key"

# Exit from the tray menu by a click on the item (the last one).
start_program True
wait_for_icon
open_tray_menu
read -r mx my mw mh < <(menu_at)
sleep 0.3
xdotool mousemove $((mx + mw / 2)) $((my + mh - 10)) click 1
expect_clean_end "tray menu, click"

# SIGTERM, with and without the menu open.
start_program True
wait_for_icon
kill -TERM "$program_pid"
expect_clean_end "SIGTERM"
start_program True
wait_for_icon
open_tray_menu
kill -TERM "$program_pid"
expect_clean_end "SIGTERM with the menu open"

# The game list's File > Exit Marrowdale (the menu's last item).
start_program True
wait_for_icon
xdotool mousemove "$icon_x" "$icon_y" click --repeat 2 --delay 80 1
wait_for 20 window_at "Marrowdale - Game list" || fail "no game list"
read -r lx ly lw lh lid < <(window_at "Marrowdale - Game list")
# The skinned File button: 38 by 7 pixels into the window, 21 square.
xdotool mousemove $((lx + 48)) $((ly + 17)) click 1
sleep 0.5
xdotool key Up Return
expect_clean_end "game list, File > Exit Marrowdale"

# Without a notification area the list is the main window: closing it ends
# the program.
kill "$tray_pid"
wait_for 30 sh -c '! xwininfo -root -tree | grep -q "\"panel\": (\"panel\" \"trayer\")"'
sleep 1
start_program True
wait_for 20 window_at "Marrowdale :.*" || fail "no game list without a tray"
read -r lx ly lw lh lid < <(window_at "Marrowdale :.*")
xdotool windowactivate --sync "$lid" 2>/dev/null || xdotool windowfocus "$lid"
sleep 0.3
xdotool key alt+F4
expect_clean_end "game list as the main window, closed"
