#!/usr/bin/env bash
# The program under Wine: it shows its window, runs once only, and ends
# when its window is closed.
#   wine-app.sh second|race|demo|product|renamed EXE PROBE
#   wine-app.sh views|tray EXE PROBE SKIN_DIR SHOT_DIR
set -u
mode=$1 exe=$2 probe=$3
# The views and tray checks read the skin's pictures and keep their screenshots.
export VARKEL_SKIN_DIR=${4:-} VARKEL_SHOT_DIR=${5:-}
[ -n "$VARKEL_SHOT_DIR" ] && mkdir -p "$VARKEL_SHOT_DIR"
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
result=$(mktemp)
copy=""
trap 'rm -f "$result"; [ -n "$copy" ] && rm -rf "$copy"' EXIT

# renamed: the product's folder copied, its exe under another name.
if [ "$mode" = renamed ]; then
  copy=$(mktemp -d "$root/build/renamed.XXXXXX")
  cp -a "$(dirname "$exe")/." "$copy/"
  mv "$copy/$(basename "$exe")" "$copy/Varkel-renamed.exe"
  exe="$copy/Varkel-renamed.exe"
fi

export VARKEL_WINE_HOOK="bash '$here/wine-hook.sh' '$mode' '$exe' '$probe' '$result'"
timeout 240 "$root/scripts/wine-run" "$exe"
status=$?
cat "$result"
grep -q '^fail' "$result" && exit 1
grep -q '^done' "$result" || { echo "fail: the checks did not finish"; exit 1; }
[ "$status" = 0 ] || { echo "fail: the program ended with $status after its window was closed"; exit 1; }
echo "ok"
