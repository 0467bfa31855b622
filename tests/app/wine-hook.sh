#!/usr/bin/env bash
# Runs beside the first copy of the program (VARKEL_WINE_HOOK of the Wine
# test bed) and writes what it saw into RESULT: one "fail: ..." line per
# fault. Ends the program when done, by asking its window to close.
#   wine-hook.sh MODE EXE PROBE RESULT
#   MODE second: a second copy started while the first sits hidden
#   MODE race:   a second copy started at the same moment as the first
#   MODE demo:   the demo, with its mouse panel
#   MODE product: the product, which finds no mouse under Wine: it asks for
#                 the mouse, a second copy still ends at once, OK ends it
#   MODE shell:  the demo's messages from the system: minimise and restore,
#                the About box, the icon's double-click, the end of the session
#   MODE views:  the demo's main window under the real pointer: the looks of
#                its elements read from screenshots (VARKEL_SHOT_DIR) against
#                the skin's pictures (VARKEL_SKIN_DIR)
#   MODE renamed: the product under another file name: its message box is
#                 captioned with that name
#   MODE tray:   the demo in the notification area: the skin's close element
#                hides it with the icon, a second copy shows it (icon kept),
#                the icon's menu (a screenshot of it, checked) shows it again
#                and quits, which sets the pointer speed back
set -u
mode=$1 exe=$2 probe=$3 result=$4
title='Varkel游戏鼠'
: >"$result"
fail() { echo "fail: $*" >>"$result"; }
probe() { wine "$probe" "$@" 2>/dev/null | tr -d '\r'; }

# The text of a message box with this caption, once one shows (empty after 30 s).
message_text() {
  local text=""
  for _ in $(seq 1 60); do
    text=$(probe message "$1")
    [ -n "$text" ] && break
    sleep 0.5
  done
  echo "$text"
}

# Waits up to 10 s for the program's process to end.
wait_for_exit() {
  for _ in $(seq 1 40); do
    [ "$(probe processes "$(basename "$exe")")" = 0 ] && return
    sleep 0.25
  done
  fail "the program did not end $1"
}

second_status=""
start_second() {
  local started=$SECONDS
  timeout 60 wine "$exe" >/dev/null 2>&1
  second_status=$?
  echo "second copy: exit $second_status after $((SECONDS - started)) s" >>"$result"
}

[ "$mode" = race ] && start_second &

window=""
for _ in $(seq 1 120); do
  window=$(xdotool search --name "^$title\$" 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.5
done
if [ -z "$window" ]; then
  fail "no window titled $title"
  wineserver -k
  exit 0
fi

wait_for() {  # wait_for EXPECTED COMMAND...: polls the probe for 5 s
  local expected=$1 i
  shift
  for i in $(seq 1 20); do
    [ "$(probe "$@")" = "$expected" ] && return 0
    sleep 0.25
  done
  return 1
}

insert_message="请插入【Varkel】USB鼠标"
if [ "$mode" = product ]; then
  text=$(message_text "$title")
  [ "$text" = "$insert_message" ] || fail "no message asking for the mouse (saw '$text')"
  start_second
  [ "$second_status" = 0 ] || fail "the second copy ended with $second_status"
  [ "$(probe processes "$(basename "$exe")")" = 1 ] || fail "not exactly one process"
  probe set-pointer-speed 3 >/dev/null
  [ "$(probe answer "$title")" = 1 ] || fail "no message box to answer"
  wait_for_exit "after the message"
  [ "$(probe pointer-speed -)" = 10 ] || fail "the pointer speed is not back at 10 after the exit"
  echo done >>"$result"
  exit 0
elif [ "$mode" = renamed ]; then
  name=$(basename "$exe" .exe)
  text=$(message_text "$name")
  [ "$text" = "$insert_message" ] || fail "no message captioned '$name' (saw '$text')"
  # OK ends the program; a box captioned otherwise is answered all the same.
  if [ -n "$text" ]; then probe answer "$name" >/dev/null; else probe answer "$title" >/dev/null; fi
  wait_for_exit "after the message"
  echo done >>"$result"
  exit 0
elif [ "$mode" = second ]; then
  probe hide "$title" >/dev/null
  [ "$(probe visible "$title")" = 0 ] || fail "the window did not hide"
  start_second
  [ "$second_status" = 0 ] || fail "the second copy ended with $second_status"
  [ "$(probe visible "$title")" = 1 ] || fail "the second copy did not bring the first one back"
elif [ "$mode" = tray ]; then
  here=$(cd "$(dirname "$0")" && pwd)
  skin=$VARKEL_SKIN_DIR shots=$VARKEL_SHOT_DIR
  # The skin's close element (13): into the notification area. The pointer
  # comes from elsewhere in the window, so that the window hears it arrive
  # over the element (Wine drops a move back to where it last saw the
  # pointer, as happens when the window shows again under it).
  hide_to_tray() {
    xdotool mousemove --window "$window" 400 300
    sleep 0.3
    xdotool mousemove --window "$window" $(python3 "$here/check_looks.py" --centre "$skin" main 13)
    sleep 0.3
    xdotool click 1
    wait_for 0 visible "$title" || fail "element 13 did not hide the window ($1)"
    [ "$(probe tray "$title")" = 1 ] || fail "no notification-area icon after element 13 ($1)"
  }
  # The icon's right-button release: menu 157 at the pointer.
  open_tray_menu() {
    xdotool mousemove 600 400
    probe post "$title" 1025 153 0x205 >/dev/null
    popup=""
    for _ in $(seq 1 20); do
      popup=$(probe popup -)
      [ -n "$popup" ] && break
      sleep 0.25
    done
    [ -n "$popup" ] || fail "the icon's right-click opened no menu ($1)"
  }

  hide_to_tray "first"
  start_second
  [ "$second_status" = 0 ] || fail "the second copy ended with $second_status"
  [ "$(probe visible "$title")" = 1 ] || fail "the second copy did not show the hidden window"
  [ "$(probe tray "$title")" = 1 ] || fail "showing the window from a second copy removed the icon"

  hide_to_tray "before the menu"
  open_tray_menu "show"
  read -r left top right bottom <<<"$popup"
  [ "$left $top" = "600 400" ] || fail "the menu opened at $left $top, not at the pointer (600 400)"
  # The first item under the pointer, selected: the screenshot is checked
  # and kept.
  xdotool mousemove $((left + 20)) $((top + 12))
  sleep 1
  import -window root "$shots/tray-menu.png"
  checked=$(python3 "$here/check_menu.py" "$shots/tray-menu.png" $popup)
  echo "$checked" | grep -v '^items' >>"$result"
  echo "$checked" | grep -q '^fail' && fail "the tray menu does not look as drawn"
  read -r _ show_y quit_y <<<"$(echo "$checked" | grep '^items')"
  # "显示界面   ": shown, the icon removed.
  xdotool mousemove $((left + 20)) "${show_y:-$((top + 12))}" click 1
  wait_for 1 visible "$title" || fail "\"显示界面\" did not show the window"
  wait_for 0 tray "$title" || fail "\"显示界面\" did not remove the icon"

  # "退出驱动": the exit sequence, the pointer speed back at 10.
  probe set-pointer-speed 3 >/dev/null
  hide_to_tray "before quitting"
  open_tray_menu "quit"
  read -r left top right bottom <<<"$popup"
  xdotool mousemove $((left + 20)) $((top + 12))
  sleep 0.5
  xdotool mousemove $((left + 20)) "${quit_y:-$((top + 32))}" click 1
  wait_for_exit "after \"退出驱动\""
  [ "$(probe pointer-speed -)" = 10 ] || fail "the pointer speed is not back at 10 after \"退出驱动\""
  echo done >>"$result"
  exit 0
elif [ "$mode" = shell ]; then
  reports() { probe text 'Simulated mouse' 1000 | sed -n 's/.*Feature reports received: \([0-9]*\).*/\1/p'; }
  probe post "$title" 0x112 0xF020 0 >/dev/null
  wait_for 0 visible "$title" || fail "the system's minimise did not minimise"
  [ "$(probe windows "$title")" = 1 ] || fail "minimising lost the window"
  probe post "$title" 0x112 0xF120 0 >/dev/null
  wait_for 1 visible "$title" || fail "the taskbar's restore did not restore"

  about='关于 Varkel游戏鼠'
  probe post "$title" 0x112 16 0 >/dev/null
  wait_for 1 windows "$about" || fail "command 16 opened no About box"
  probe press "$about" 1 >/dev/null
  wait_for 0 windows "$about" || fail "the About box's OK did not close it"
  [ "$(probe windows "$title")" = 1 ] || fail "the About box took the main window with it"

  probe hide "$title" >/dev/null
  wait_for 0 visible "$title" || fail "the window did not hide"
  probe post "$title" 1025 154 0x203 >/dev/null
  sleep 0.5
  [ "$(probe visible "$title")" = 0 ] || fail "another icon's double-click showed the window"
  probe post "$title" 1025 153 0x203 >/dev/null
  wait_for 1 visible "$title" || fail "the icon's double-click did not show the window"

  before=$(reports)
  probe post "$title" 0x16 0 0 >/dev/null
  sleep 1
  after=$(reports)
  echo "feature reports: $before before the end of the session, $after after" >>"$result"
  [ -n "$before" ] && [ "${after:-0}" -gt "$before" ] ||
    fail "the end of the session did not apply the profile again ($before, then $after reports)"
  [ "$(probe processes "$(basename "$exe")")" = 1 ] || fail "the end of the session ended the program"
elif [ "$mode" = views ]; then
  here=$(cd "$(dirname "$0")" && pwd)
  skin=$VARKEL_SKIN_DIR shots=$VARKEL_SHOT_DIR
  eval "$(xdotool getwindowgeometry --shell "$window")"
  centre() { python3 "$here/check_looks.py" --centre "$skin" "$1" "$2"; }
  point() { xdotool mousemove --window "$window" "$@"; }
  # shot NAME CHECK...: a screenshot, then the looks it must show.
  shot() {
    local name=$1
    shift
    sleep 1.5
    import -window root "$shots/views-$name.png"
    python3 "$here/check_looks.py" "$shots/views-$name.png" "$X" "$Y" "$skin" "$@" >>"$result" ||
      fail "$name: an element shows another look"
  }
  # Started: the current profile, the main tab, the current level's mark, the
  # enabled levels and the wheel option pressed; the rest at rest.
  xdotool mousemove 1270 1010
  shot start main:4:main_down.jpg main:9:main_down.jpg main:65:main_down.jpg main:27:main_down.jpg \
    main:28:main_down.jpg main:29:main_down.jpg main:30:main_down.jpg main:32:main_down.jpg \
    main:5:main_normal.jpg main:10:main_normal.jpg main:33:main_normal.jpg main:17:main_normal.jpg
  # The slot of button 1 under the pointer.
  point $(centre main 17)
  shot hover main:17:main_over.jpg main:18:main_normal.jpg main:4:main_down.jpg
  # A click on the colour tab, then the pointer on no element.
  point $(centre main 11) click 1
  point 550 570
  shot colour main:11:color_down_purple.jpg main:9:color_normal_pink.jpg main:4:color_down_purple.jpg \
    colour:0:color_down_purple.jpg colour:1:color_normal_pink.jpg
elif [ "$mode" = race ]; then
  # Both copies have had time to meet at the mutex.
  sleep 3
else
  [ "$(probe windows 'Simulated mouse')" = 1 ] || fail "no mouse panel beside the main window"
  # The program found the simulated mouse and applied its profile to it.
  sleep 1
  state=$(probe text 'Simulated mouse' 1000)
  echo "mouse: $state" >>"$result"
  case $state in
    *"Feature reports received: 0"* | "") fail "the program sent the mouse nothing" ;;
  esac
fi

[ "$(probe windows "$title")" = 1 ] || fail "not exactly one window titled $title"
[ "$(xdotool search --name "^$title\$" | wc -l)" = 1 ] || fail "not exactly one X window"
[ "$(probe processes "$(basename "$exe")")" = 1 ] || fail "not exactly one process"

[ "$mode" = demo ] || [ "$mode" = shell ] && probe set-pointer-speed 3 >/dev/null
[ "$(probe close "$title")" = 1 ] || fail "nothing to close"
wait
if [ "$mode" = demo ] || [ "$mode" = shell ]; then
  # Closing runs the exit sequence: the pointer speed goes back to 10.
  wait_for_exit "after its window was closed"
  [ "$(probe pointer-speed -)" = 10 ] || fail "the pointer speed is not back at 10 after the exit"
fi
echo done >>"$result"
