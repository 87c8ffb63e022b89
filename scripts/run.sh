#!/usr/bin/env bash
# Installs what is missing, builds the program, prepares a working directory
# (pictures and sample lists) and starts Tavrio there, together with the
# local exchange server when it is built.
# Usage: scripts/run.sh [working-dir]   (default: build/work)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVRIO_BUILD_DIR:-"$top/build"}
work=${1:-"$build/work"}

"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(tavrio)
if grep -q "tavrio-exchange" "$top/server/CMakeLists.txt" 2>/dev/null; then
  targets+=(tavrio-exchange)
fi
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

# The working directory gets the generated pictures, sounds and sample
# lists; files already there (profiles, the learner's own lists,
# config.ini) are kept.
mkdir -p "$work"
cp -rn "$build/runtime/." "$work/"

server_pid=""
stop_server() {
  if [ -n "$server_pid" ]; then
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
  fi
}
trap stop_server EXIT
trap "exit 130" INT TERM
if [ -x "$build/server/tavrio-exchange" ]; then
  mkdir -p "$work/exchange"
  "$build/server/tavrio-exchange" --port 8517 --data "$work/exchange" >"$work/exchange/server.log" 2>&1 &
  server_pid=$!
fi

cd "$work"
"$build/app/tavrio"
