#!/usr/bin/env bash
# Start-up of the program from outside: under Xvfb, the time from process
# start until the entrance window is mapped, and the peak resident memory
# (VmHWM) while the intro runs, beside the floor program (a bare full-screen
# label) in alternating runs. Prints every run, the medians and their ratio,
# the fastest runs, and the machine's load before and after (other work on
# the same cores stretches both programs' times).
# Usage: bench/startup/startup.sh [build-dir] [runs]   (default: build, 10)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
runs=${2:-10}
program="$build/app/tavrio"
floor="$build/bench/startup/tavrio_startup_floor"
for p in "$program" "$floor"; do [ -x "$p" ] || { echo "build it first: $p"; exit 1; }; done
command -v xwininfo >/dev/null || { echo "xwininfo missing (scripts/install-deps.sh)"; exit 1; }

. "$(dirname "$0")/scratch-display.sh"

# One run: start the command in the working directory, wait until a window
# named Tavrio is mapped, read the peak memory; prints "<ms> <MB>".
measure() {
  local start mapped peak pid
  start=$(date +%s%N)
  (cd "$work" && exec "$@") &
  pid=$!
  until xwininfo -name Tavrio 2>/dev/null | grep -q "IsViewable"; do
    kill -0 "$pid" 2>/dev/null || { echo "program ended early" >&2; exit 1; }
    sleep 0.002
  done
  mapped=$(date +%s%N)
  sleep 0.5
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(( (mapped - start) / 1000000 )) $(( peak / 1024 ))"
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
times=(); rss=(); floor_times=(); floor_rss=()
for i in $(seq "$runs"); do
  read -r ms mb < <(measure "$floor")
  floor_times+=("$ms"); floor_rss+=("$mb")
  echo "run $i: floor ${ms} ms, peak ${mb} MB"
  read -r ms mb < <(measure "$program")
  times+=("$ms"); rss+=("$mb")
  echo "run $i: tavrio ${ms} ms to the mapped entrance screen, peak ${mb} MB"
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR + 1) / 2] : int((a[NR / 2] + a[NR / 2 + 1]) / 2)}'; }
t=$(median "${times[@]}"); f=$(median "${floor_times[@]}")
echo "median: tavrio $t ms to visible, $(median "${rss[@]}") MB peak; floor (bare full-screen label) $f ms, $(median "${floor_rss[@]}") MB peak; over $runs runs"
echo "fastest: tavrio $(printf '%s\n' "${times[@]}" | sort -n | head -1) ms; floor $(printf '%s\n' "${floor_times[@]}" | sort -n | head -1) ms"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
awk -v t="$t" -v f="$f" 'BEGIN { r = (f > 0) ? t / f : 0; printf "ratio tavrio / floor: %.2f (limit 1.50)\n", r }'
