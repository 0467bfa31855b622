#!/usr/bin/env bash
# What a start costs with Wine's own start included, for comparison with
# varkel_bench_startup (which leaves it out): each run starts the test bed
# afresh (no wineserver running, the prefix already made) and times from the
# launch of `wine EXE` to the first X window titled TITLE, polling every 50 ms.
#   bench/startup/cold-start.sh EXE TITLE [RUNS]
set -u
exe=$1 title=$2 runs=${3:-5}
root=$(cd "$(dirname "$0")/../.." && pwd)
for run in $(seq 1 "$runs"); do
  result=$(mktemp)
  # The hook starts together with `wine EXE`; it ends the program once timed.
  export VARKEL_WINE_HOOK="
    start=\$(date +%s%N)
    until xdotool search --name '^$title\$' >/dev/null 2>&1; do sleep 0.05; done
    echo \$(( (\$(date +%s%N) - start) / 1000000 )) >'$result'
    wineserver -k"
  "$root/scripts/wine-run" "$exe" >/dev/null 2>&1
  echo "run $run: window after $(cat "$result") ms"
  rm -f "$result"
done
