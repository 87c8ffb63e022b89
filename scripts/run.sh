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
cmake --build "$build" -j"$(nproc)" --target tavrio tavrio-exchange

# The working directory gets the generated pictures and sounds (refreshed
# each time), the sample lists and the starting level; files the learner
# made there (profiles, own or edited lists and levels, config.ini) are kept.
[ -d "$build/runtime/BG" ] || { echo "The build made no pictures in $build/runtime" >&2; exit 1; }
mkdir -p "$work"
for dir in BG Hilfe Images Sound; do
  [ -d "$build/runtime/$dir" ] && cp -r "$build/runtime/$dir" "$work/"
done
cp -n "$build/runtime/"*.vok "$work/" 2>/dev/null || true
cp "$build/runtime/"*.bmp "$build/runtime/"*@2x.png "$work/" 2>/dev/null || true
cp -n "$build/runtime/"*.lvl "$work/" 2>/dev/null || true

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
