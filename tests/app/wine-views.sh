#!/usr/bin/env bash
# The demo's main window under Wine as a person sees it: the real pointer
# moved with xdotool, the looks of its elements read from screenshots.
#   wine-views.sh EXE PROBE SKIN_DIR SHOT_DIR
# The screenshots stay in SHOT_DIR (views-start.png, views-hover.png,
# views-colour.png).
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

if [ "${1:-}" = hook ]; then
  shift
  exe=$1 probe=$2 skin=$3 shots=$4 result=$5
  title='Varkel游戏鼠'
  : >"$result"
  fail() { echo "fail: $*" >>"$result"; }
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
  eval "$(xdotool getwindowgeometry --shell "$window")"
  centre() { python3 "$here/check_looks.py" --centre "$skin" "$1" "$2"; }
  # shot NAME CHECK...: a screenshot, then the looks it must show.
  shot() {
    local name=$1
    shift
    sleep 1.5
    import -window root "$shots/views-$name.png"
    python3 "$here/check_looks.py" "$shots/views-$name.png" "$X" "$Y" "$skin" "$@" >>"$result" ||
      fail "$name: an element shows another look"
  }
  point() { xdotool mousemove --window "$window" "$@"; }

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
  [ "$(wine "$probe" close "$title" 2>/dev/null | tr -d '\r')" = 1 ] || fail "nothing to close"
  echo done >>"$result"
  exit 0
fi

exe=$1 probe=$2 skin=$3 shots=$4
mkdir -p "$shots"
result=$(mktemp)
trap 'rm -f "$result"' EXIT
export VARKEL_WINE_HOOK="bash '$here/wine-views.sh' hook '$exe' '$probe' '$skin' '$shots' '$result'"
timeout 240 "$root/scripts/wine-run" "$exe"
status=$?
cat "$result"
grep -q '^fail' "$result" && exit 1
grep -q '^done' "$result" || { echo "fail: the checks did not finish"; exit 1; }
[ "$status" = 0 ] || { echo "fail: the program ended with $status"; exit 1; }
echo "ok"
