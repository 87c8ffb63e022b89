#!/usr/bin/env bash
# CPU time per start-up step, from inside the program: starts it [runs]
# times under Xvfb (1024 x 768) with TAVRIO_STARTUP_CPU set, so it prints
# the CPU time of each step and quits after the entrance's first paint,
# and prints each step's median in milliseconds. With a third argument
# `windows`, every window is listed on its own.
# Usage: bench/startup/cpu.sh [build-dir] [runs] [windows]   (default: build, 15)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
runs=${2:-15}
detail=${3:-}
program="$build/app/tavrio"
[ -x "$program" ] || { echo "build it first: $program"; exit 1; }
command -v xwininfo >/dev/null || { echo "xwininfo missing (scripts/install-deps.sh)"; exit 1; }

. "$(dirname "$0")/scratch-display.sh"

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
log="$work/cpu.log"
for i in $(seq "$runs"); do
  (cd "$work" && TAVRIO_STARTUP_CPU=1 "$program" 2>&1 >/dev/null | grep '^startup-cpu' | sed "s/^/$i /") >>"$log"
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
# Steps: the windows' type names are grouped into the entrance (TForm1)
# and the other windows unless `windows` was asked for.
awk -v detail="$detail" '
  { run = $1; line = $0; sub(/^[0-9]+ startup-cpu /, "", line)
    n = split(line, parts, ": "); name = parts[1]; ms = parts[2]
    if (name ~ /^total/) { split(name, t, " "); name = "total"; ms = t[2] }
    else if (name ~ /^N6tavrio/ || name ~ /^[0-9]/) {
      if (detail == "") name = (name == "6TForm1") ? "the entrance window" : "the other windows"
    }
    else if (name == "before the windows") name = "QApplication"
    else if (name == "wiring the windows") name = "the other windows"
    key = run SUBSEP name; if (!(key in sum)) { order[name] = order[name] ? order[name] : ++steps; names[order[name]] = name }
    sum[key] += ms; runs[run] = 1 }
  END {
    for (s = 1; s <= steps; s++) {
      name = names[s]; n = 0
      for (r in runs) v[++n] = sum[r SUBSEP name]
      for (a = 2; a <= n; a++) for (b = a; b > 1 && v[b - 1] > v[b]; b--) { x = v[b]; v[b] = v[b - 1]; v[b - 1] = x }
      med = (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
      printf "%-34s %6.1f ms (median of %d runs)\n", name, med, n; delete v
    }
  }' "$log"
