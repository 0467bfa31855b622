# What the journeys share. A journey is a script that sources this file and
# runs as the hook of the Wine test bed (scripts/wine-run) while the key
# recorder is the bed's program; run-journey.sh sets it up and reads RESULT.
#
# From run-journey.sh: JOURNEY (its name), JOURNEY_DIR (a fresh copy of the
# demo's folder), PROBE, SKIN_DIR, SHOT_DIR, RESULT, KEYS (the recorder's file).
#
# Everything is done as a person would: the pointer and the keyboard through
# xdotool, the mouse's own buttons through the panel's Click buttons. What is
# checked is what a person sees (screenshots against the skin's pictures, the
# panel's text) and the files in the folder. Waits poll for their condition.
set -u
TITLE='Varkel游戏鼠'
PANEL='Simulated mouse'
RECORDER='Varkel key recorder'
DEMO_EXE="$JOURNEY_DIR/Varkel游戏鼠-demo.exe"
JOURNEY_LIB=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
LOOKS="$JOURNEY_LIB/../app/check_looks.py"
# A pointer place inside the main window on no element.
REST_X=550 REST_Y=570
STATUS_ELEMENT=1
# The text rule of the harness (docs/views.md) gives the width the status line's text
# takes; the glyphs' ink may be this much narrower or wider (the dots of
# "..." are narrower than their room).
TEXT_WIDTH_SLACK=16
DEMO_PID=""
MAIN="" MAIN_X=0 MAIN_Y=0

: >"$RESULT"
fail() { echo "fail: $*" >>"$RESULT"; }
note() { echo "$*" >>"$RESULT"; }
probe() { wine "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }

# poll SECONDS COMMAND...: runs COMMAND until it succeeds; false after SECONDS.
poll() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}

x_window() { xdotool search --name "^$1\$" 2>/dev/null | head -n 1; }
has_x_window() { [ -n "$(x_window "$1")" ]; }

# Closing the recorder ends the test bed, however the journey ends.
trap 'probe close "$RECORDER" >/dev/null' EXIT

# The journey has run to its end (its checks may still have failed).
end_journey() {
  [ -n "$DEMO_PID" ] && ! demo_ended && fail "the demo was still running at the end"
  echo done >>"$RESULT"
  exit 0
}

# A failure after which the journey cannot go on.
abort_journey() {
  fail "$*"
  exit 0
}

# Every journey starts here: the recorder is up and the screen's root is grey,
# so that a window's shape shows against it.
begin_journey() {
  poll 60 has_x_window "$RECORDER" || abort_journey "the key recorder did not start"
  convert -size 8x8 xc:'#808080' "$SHOT_DIR/$JOURNEY-backdrop.png" &&
    display -window root "$SHOT_DIR/$JOURNEY-backdrop.png" 2>/dev/null
  rm -f "$SHOT_DIR/$JOURNEY-backdrop.png"
}

# Starts the demo from the journey's folder and waits for its main window and
# the mouse's panel; MAIN is the main window, MAIN_X and MAIN_Y its place.
start_demo() {
  wine "$DEMO_EXE" >/dev/null 2>&1 &
  DEMO_PID=$!
  poll 60 has_x_window "$TITLE" || abort_journey "no window titled $TITLE"
  MAIN=$(x_window "$TITLE")
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$MAIN")"
  MAIN_X=$X MAIN_Y=$Y
  poll 10 has_x_window "$PANEL" || fail "no mouse panel beside the main window"
}

demo_ended() { ! kill -0 "$DEMO_PID" 2>/dev/null; }

# Waits for the demo to end; fails unless it ended with exit code 0.
expect_demo_exit() {
  poll 15 demo_ended || abort_journey "the demo did not end $1"
  wait "$DEMO_PID"
  local status=$?
  DEMO_PID=""
  [ "$status" = 0 ] || fail "the demo ended with $status $1"
}

# give_keyboard X_WINDOW: the keyboard to that window, as a window manager
# does on a click. The test bed has none: a click makes a window the active
# one for Windows but leaves X's keyboard focus where it was, and keys typed
# then reach no window.
give_keyboard() { xdotool windowfocus --sync "$1"; }

# Quits as a person does with the keyboard: the main window clicked, Alt+F4.
quit_with_alt_f4() {
  click_element main "$STATUS_ELEMENT"
  give_keyboard "$MAIN"
  xdotool key alt+F4
  expect_demo_exit "after Alt+F4"
}

# click_element TABLE INDEX: a click at the centre of a skin element.
click_element() {
  # shellcheck disable=SC2046
  xdotool mousemove --window "$MAIN" $(python3 "$LOOKS" --centre "$SKIN_DIR" "$1" "$2") click 1
}

# The pointer on no element, so that no element shows its hover look.
rest_pointer() { xdotool mousemove --window "$MAIN" "$REST_X" "$REST_Y"; }

# panel_click N: clicks the panel's Click button of mouse button N.
panel_click() {
  local rect
  read -r -a rect <<<"$(probe item-rect "$PANEL" $((1100 + $1)))"
  [ "${rect[2]:-0}" -gt 0 ] || { fail "no Click button $1 on the panel"; return 1; }
  xdotool mousemove $(((rect[0] + rect[2]) / 2)) $(((rect[1] + rect[3]) / 2)) click 1
}

panel_text() { probe text "$PANEL" 1000; }
panel_says() { panel_text | grep -q -- "$1"; }

# expect_panel TEXT: the panel's text comes to hold TEXT.
expect_panel() {
  poll 10 panel_says "$1" || fail "the panel does not say '$1': $(panel_text | tr '\n' ' ')"
}

# type_text X_WINDOW TEXT: the window gets the keyboard, TEXT is typed key by key.
type_text() {
  give_keyboard "$1"
  xdotool type --delay 80 -- "$2"
}

shot_file() { echo "$SHOT_DIR/$JOURNEY-$1.png"; }
take_shot() { import -window root "$(shot_file "$1")"; }

# expect_looks NAME CHECK...: screenshots until every CHECK of check_looks.py
# holds (10 s at most); the last screenshot stays as NAME.
expect_looks() {
  local name=$1 out deadline=$((SECONDS + 10))
  shift
  while :; do
    take_shot "$name"
    out=$(python3 "$LOOKS" "$(shot_file "$name")" "$MAIN_X" "$MAIN_Y" "$SKIN_DIR" "$@") && break
    [ "$SECONDS" -ge "$deadline" ] && { note "$out"; fail "$name: an element shows another look"; return 1; }
    sleep 0.2
  done
  note "$out"
}

# expect_blinking NAME CHECK...: a burst of screenshots over two blinks (the
# blinker changes every half second); each CHECK holds in one of them.
expect_blinking() {
  local name=$1 files="" i out
  shift
  for i in 1 2 3 4 5 6 7 8; do
    take_shot "$name-$i"
    files+="${files:+,}$(shot_file "$name-$i")"
    sleep 0.2
  done
  # The shots where a CHECK does not hold print "fail" lines of their own.
  if out=$(python3 "$LOOKS" "$files" "$MAIN_X" "$MAIN_Y" "$SKIN_DIR" "$@"); then
    note "$(grep '^ok' <<<"$out")"
  else
    note "$out"
    fail "$name: the elements did not blink as expected"
  fi
}

shape_holds() { python3 "$LOOKS" --shape "$(shot_file "$1")" "$MAIN_X" "$MAIN_Y" "$SKIN_DIR"; }

# expect_shape NAME: the main window shows the skin's outline (once painted).
expect_shape() {
  local out deadline=$((SECONDS + 10))
  until take_shot "$1" && out=$(shape_holds "$1"); do
    [ "$SECONDS" -ge "$deadline" ] && { note "$out"; fail "$1: the window does not have the skin's shape"; return 1; }
    sleep 0.2
  done
  note "$out"
}

# Width in pixels of a text by the harness's rule: 7 for ASCII, 13 for the rest.
rule_width() { python3 -c 'import sys; print(sum(7 if ord(c) < 0x80 else 13 for c in sys.argv[1]))' "$1"; }

status_width() {
  take_shot "$1"
  python3 "$LOOKS" --text "$(shot_file "$1")" "$MAIN_X" "$MAIN_Y" "$SKIN_DIR" \
    "main:$STATUS_ELEMENT:${2:-main_normal.jpg}" | cut -d' ' -f1
}

status_reads() {
  local width
  width=$(status_width "$1")
  LAST_STATUS_WIDTH=$width
  [ "${width:-0}" -ge $(($2 - TEXT_WIDTH_SLACK)) ] && [ "$width" -le $(($2 + TEXT_WIDTH_SLACK)) ]
}

# expect_status NAME TEXT: the status line comes to show a text as wide as
# TEXT (the main page's looks around it). Different status texts differ
# widely in width: "驱动运行中..." is 86 pixels, the run-button prompt 229.
expect_status() {
  local expected
  expected=$(rule_width "$2")
  if poll 10 status_reads "$1" "$expected"; then
    note "ok status $1: $LAST_STATUS_WIDTH pixels wide, '$2' takes $expected"
  else
    fail "$1: the status line's text is $LAST_STATUS_WIDTH pixels wide, not that of '$2' ($expected)"
  fi
}

# ini_value FILE SECTION KEY: a value of an ini file (ANSI or UTF-16).
ini_value() {
  python3 - "$@" <<'PY'
import sys
path, section, key = sys.argv[1:]
data = open(path, "rb").read()
text = data.decode("utf-16") if data[:2] in (b"\xff\xfe", b"\xfe\xff") else data.decode("latin-1")
current = None
for line in text.splitlines():
    line = line.strip()
    if line.startswith("[") and line.endswith("]"):
        current = line[1:-1].lower()
    elif current == section.lower() and "=" in line:
        name, value = line.split("=", 1)
        if name.strip().lower() == key.lower():
            print(value.strip())
            break
PY
}

ini_holds() { [ "$(ini_value "$1" "$2" "$3")" = "$4" ]; }

# expect_ini SECTION KEY=VALUE...: config.ini in the journey's folder holds them.
expect_ini() {
  local section=$1 pair
  shift
  for pair in "$@"; do
    poll 5 ini_holds "$JOURNEY_DIR/config.ini" "$section" "${pair%%=*}" "${pair#*=}" ||
      fail "config.ini [$section] ${pair%%=*} is '$(ini_value "$JOURNEY_DIR/config.ini" "$section" "${pair%%=*}")', not '${pair#*=}'"
  done
}

pointer_speed() { probe pointer-speed -; }
