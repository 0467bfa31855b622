#!/usr/bin/env bash
# Runs one journey (tests/journeys/NAME.sh) under Wine on a virtual display:
# the key recorder is the test bed's program and the journey its hook; the
# demo runs from a fresh copy of its folder. Screenshots go to SHOT_DIR.
#   run-journey.sh NAME DEMO_DIR PROBE RECORDER SKIN_DIR SHOT_DIR
# On a failure the journey's folder (the demo's copy, the result, the
# recorded keys) is kept under build/journeys/ and named.
set -u
name=$1 demo_dir=$2 probe=$3 recorder=$4 skin=$5 shots=$6
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
mkdir -p "$root/build/journeys" "$shots"
work=$(mktemp -d "$root/build/journeys/$name.XXXXXX")
mkdir -p "$work/demo" && cp -a "$demo_dir/." "$work/demo/"
rm -f "$shots/$name"-*.png

export JOURNEY=$name JOURNEY_DIR=$work/demo PROBE=$probe SKIN_DIR=$skin SHOT_DIR=$shots
export RESULT=$work/result KEYS=$work/keys.txt
: >"$KEYS"
# The recorder takes a Windows path: the host's root is drive Z:.
keys_path="Z:$(echo "$KEYS" | sed 's|/|\\|g')"
export VARKEL_WINE_HOOK="bash '$here/$name.sh'"
started=$SECONDS
timeout 300 "$root/scripts/wine-run" "$recorder" "$keys_path"
status=$?
cat "$RESULT"
echo "$name: $((SECONDS - started)) s"
verdict=ok
grep -q '^fail' "$RESULT" && verdict=failed
grep -q '^done' "$RESULT" || { echo "fail: the journey did not reach its end"; verdict=failed; }
[ "$status" = 0 ] || { echo "fail: the test bed ended with $status"; verdict=failed; }
if [ "$verdict" = ok ]; then
  rm -rf "$work"
  echo ok
  exit 0
fi
echo "kept: $work"
exit 1
