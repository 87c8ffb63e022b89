#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, replays each seed corpus, then
# fuzzes each target for the given number of seconds (default 30).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build="$top/build-fuzz"
"$top/scripts/install-deps.sh"
CXX=clang++ CC=clang cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVRIO_GUI=OFF -DTAVRIO_FUZZ=ON -DTAVRIO_BENCH=OFF
cmake --build "$build" -j"$(nproc)"
status=0
for corpus in "$top"/fuzz/corpus/*/; do
  name=$(basename "$corpus")
  bin=$(find "$build/fuzz" -type f -name "$name" -perm -u+x | head -n 1)
  if [ -z "$bin" ]; then echo "no fuzz target for corpus $name"; status=1; continue; fi
  # New inputs go to a scratch corpus; the log stays outside it (libFuzzer
  # rereads its corpus while it runs). A crashing input is kept under
  # $build/artifacts/<name>/.
  work=$(mktemp -d)
  mkdir -p "$work/corpus" "$build/artifacts/$name"
  artifacts="$build/artifacts/$name/"
  echo "-- $name: replay"
  "$bin" -runs=0 -artifact_prefix="$artifacts" "$corpus" || status=1
  echo "-- $name: fuzz ${seconds}s"
  (cd "$work" && "$bin" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 \
     -artifact_prefix="$artifacts" "$work/corpus" "$corpus" >"$work/log" 2>&1) ||
    { tail -n 60 "$work/log"; echo "crashing input kept in $artifacts"; status=1; }
  rm -rf "$work"
done
exit $status
