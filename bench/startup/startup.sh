#!/usr/bin/env bash
# Start-up of the program from outside: under Xvfb, the time from process
# start until the entrance window is mapped, and the peak resident memory
# (VmHWM) while the intro runs. Prints every run and the medians.
# Usage: bench/startup/startup.sh [build-dir] [runs]   (default: build, 10)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
runs=${2:-10}
program="$build/app/tavrio"
[ -x "$program" ] || { echo "build the program first: $program"; exit 1; }
command -v xwininfo >/dev/null || { echo "xwininfo missing (scripts/install-deps.sh)"; exit 1; }

work=$(mktemp -d)
cp -r "$build/runtime/." "$work/"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

times=()
rss=()
for i in $(seq "$runs"); do
  start=$(date +%s%N)
  (cd "$work" && exec "$program") &
  pid=$!
  until xwininfo -name Tavrio 2>/dev/null | grep -q "IsViewable"; do
    kill -0 "$pid" 2>/dev/null || { echo "program ended early"; exit 1; }
    sleep 0.002
  done
  mapped=$(date +%s%N)
  sleep 0.5
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  ms=$(( (mapped - start) / 1000000 ))
  mb=$(( peak / 1024 ))
  times+=("$ms")
  rss+=("$mb")
  echo "run $i: ${ms} ms to the mapped entrance screen, peak ${mb} MB"
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR + 1) / 2] : int((a[NR / 2] + a[NR / 2 + 1]) / 2)}'; }
echo "median: $(median "${times[@]}") ms to visible, $(median "${rss[@]}") MB peak memory over $runs runs"
