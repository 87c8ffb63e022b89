#!/usr/bin/env bash
# Search load: starts tavrio-exchange on a free loopback port with a fresh
# demo database and drives GIVEME=SUCHE with wrk at 32 connections.
# Usage: bench/server/search_load.sh [path/to/tavrio-exchange] [seconds]
# EXTRA_LISTS=N first uploads N more lists (30-80 pairs each) through
# tavrio_upload_load, to see the search over a bigger store.
# WORD=... searches another word (percent-encoded; default Unit).
# Fails unless >= 2000 requests/s, p99 <= 50 ms and no errors.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=bench/server/loopback-exchange.sh
source "$top/bench/server/loopback-exchange.sh"
bin=${1:-}
if [ -z "$bin" ]; then
  bin=$(find "$top"/build* -type f -name tavrio-exchange -perm -u+x 2>/dev/null | head -n 1)
fi
seconds=${2:-10}
[ -x "$bin" ] || { echo "tavrio-exchange not found; build it first"; exit 1; }
command -v wrk >/dev/null || { echo "wrk missing: scripts/install-deps.sh installs it"; exit 1; }

data=$(mktemp -d)
log="$data/server.log"
start_exchange "$bin" "$data" "$log"
server=$exchange_pid
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$data"' EXIT

port=$(exchange_port "$log")
[ -n "$port" ] || { cat "$log"; exit 1; }

if [ "${EXTRA_LISTS:-0}" -gt 0 ]; then
  loader=$(find "$(dirname "$bin")/.." -type f -name tavrio_upload_load -perm -u+x 2>/dev/null | head -n 1)
  [ -x "$loader" ] || { echo "tavrio_upload_load not found beside $bin"; exit 1; }
  "$loader" --port "$port" --uploads "$EXTRA_LISTS" --clients 20 | tail -n 1
fi

url="http://127.0.0.1:$port/tavrio_webinterface.php?GIVEME=SUCHE&WONACH=${WORD:-Unit}"
out=$(wrk -t2 -c32 -d"${seconds}s" --latency "$url")
echo "$out"

rps=$(echo "$out" | awk '/^Requests\/sec:/ {print $2}')
p99ms=$(wrk_p99_ms "$out")
errors=$(echo "$out" | grep -cE 'Socket errors|Non-2xx' || true)

echo "requests/s: $rps  p99: ${p99ms} ms  error lines: $errors"
awk -v r="$rps" -v p="$p99ms" -v e="$errors" 'BEGIN { exit !(r >= 2000 && p <= 50 && e == 0) }' \
  && echo PASS || { echo FAIL; exit 1; }
