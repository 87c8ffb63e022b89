#!/usr/bin/env bash
# The exchange's figures, side by side in one run:
#   1. one server on SQLite: searches (wrk, 32 connections);
#   2. the same while 1,000 slow or idle connections are open
#      (slow_clients.py, from 50 loopback addresses);
#   3. nginx in front of two servers on PostgreSQL (server/deploy): searches;
#   4. 400 uploads from 40 clients spread over both servers, each list
#      downloaded from the other server and compared;
#   5. 400 uploads through nginx while one server is killed with SIGKILL:
#      every upload answered "successful" must be stored once and download
#      unchanged.
# Targets: 2. p99 <= 100 ms; 3. >= 5,000 searches/s, p99 <= 50 ms, no
# errors; 4. and 5. PASS. Figures depend on what else the machine runs: the
# load average is printed before and after.
# Usage: bench/server/figures.sh [build-dir]   SECONDS_PER_RUN=10 by default
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=bench/server/loopback-exchange.sh
source "$top/bench/server/loopback-exchange.sh"
build=${1:-"$top/build"}
seconds=${SECONDS_PER_RUN:-10}
bin="$build/server/tavrio-exchange"
loader=$(find "$build" -type f -name tavrio_upload_load -perm -u+x | head -n 1)
[ -x "$bin" ] && [ -x "$loader" ] || { echo "build tavrio-exchange and tavrio_upload_load first"; exit 1; }
ulimit -n 65536 2>/dev/null || true

work=$(mktemp -d "${TMPDIR:-/tmp}/tavrio-figures-XXXXXX")
chmod 755 "$work"   # PostgreSQL runs as another user under root
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  "$top/server/deploy/deployment.sh" down "$work/deploy" || true
  rm -rf "$work"
}
trap cleanup EXIT

results=()
# wrk against a URL; adds "label|requests/s|p99 ms|error lines" to results.
measure() {
  local label=$1 url=$2 out rps p99 errors
  out=$(wrk -t2 -c32 -d"${seconds}s" --latency "$url")
  rps=$(echo "$out" | awk '/^Requests\/sec:/ {printf "%.0f", $2}')
  p99=$(wrk_p99_ms "$out")
  errors=$(echo "$out" | grep -E 'Socket errors|Non-2xx' | tr -s ' ' | paste -sd ';' || true)
  results+=("$label|$rps|$p99|${errors:-none}")
  echo "$label: $rps searches/s, p99 $p99 ms, errors: ${errors:-none}"
}

echo "load before: $(uptime)"

echo "== 1. one server on SQLite"
start_exchange "$bin" "$work/sqlite" "$work/sqlite.log"
pids+=("$exchange_pid")
port=$(exchange_port "$work/sqlite.log")
search="/tavrio_webinterface.php?GIVEME=SUCHE&WONACH=Unit"
measure "SQLite, one server" "http://127.0.0.1:$port$search"

echo "== 2. the same with 1,000 slow or idle connections open"
python3 "$top/bench/server/slow_clients.py" "$port" --count 1000 --per-address 20 >"$work/slow.log" 2>&1 &
slow=$!
pids+=($slow)
for _ in $(seq 60); do
  open=$(tail -n 1 "$work/slow.log" | awk '{print $2}')
  [ "${open:-0}" -ge 1000 ] && break
  sleep 0.5
done
echo "slow or idle connections open: $(tail -n 1 "$work/slow.log")"
measure "SQLite, 1,000 slow/idle open" "http://127.0.0.1:$port$search"
echo "slow or idle connections open after: $(tail -n 1 "$work/slow.log")"
kill "$slow"

echo "== 3. nginx, two servers, PostgreSQL"
"$top/server/deploy/deployment.sh" up "$work/deploy" "$build" >"$work/deploy.log" 2>&1 || { cat "$work/deploy.log"; exit 1; }
# shellcheck disable=SC1091
source "$work/deploy/env"
measure "nginx -> 2 servers, PostgreSQL" "http://127.0.0.1:$NGINX_PORT$search"

echo "== 4. 400 uploads from 40 clients over both servers"
"$loader" --port "$SERVER_A_PORT,$SERVER_B_PORT" --uploads 400 --clients 40 | tee "$work/uploads.log"
uploads=$(tail -n 1 "$work/uploads.log")

echo "== 5. 400 uploads through nginx, one server killed with SIGKILL after 100"
"$loader" --port "$NGINX_PORT" --uploads 400 --clients 40 --kill-pid "$SERVER_A_PID" --kill-after 100 \
  | tee "$work/kill.log"
kill9=$(tail -n 1 "$work/kill.log")

echo "load after: $(uptime)"
echo
printf '%-34s %12s %10s  %s\n' "search run" "searches/s" "p99 ms" "errors"
for r in "${results[@]}"; do
  IFS='|' read -r label rps p99 errors <<<"$r"
  printf '%-34s %12s %10s  %s\n' "$label" "$rps" "$p99" "$errors"
done
IFS='|' read -r _ _ slowp99 _ <<<"${results[1]}"
IFS='|' read -r _ pgrps pgp99 pgerr <<<"${results[2]}"
verdict() { awk "BEGIN { exit !($1) }" && echo PASS || echo FAIL; }
echo "slow clients: p99 $slowp99 ms <= 100: $(verdict "$slowp99 <= 100")"
echo "nginx+PostgreSQL: $pgrps/s >= 5000 and p99 $pgp99 <= 50 and no errors: $(verdict "$pgrps >= 5000 && $pgp99 <= 50 && \"$pgerr\" == \"none\"")"
echo "uploads over both servers: $uploads"
echo "uploads with a server killed: $kill9"
