#!/usr/bin/env bash
# Screenshots of every screen at two screen sizes: builds tavrio-shots and
# runs it under Xvfb once per size, each time in a scratch copy of the
# generated runtime files (pictures, sample lists, level), with settings of
# its own and an exchange that cannot be reached.
# Usage: scripts/screenshots.sh [output-folder] [WxH ...]
#        (defaults: build/shots, 1024x768 1920x1080)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVRIO_BUILD_DIR:-"$top/build"}
out=$(realpath -m "${1:-$build/shots}")
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1024x768 1920x1080)

[ -f "$build/CMakeCache.txt" ] || cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target tavrio tavrio-shots
[ -d "$build/runtime/BG" ] || { echo "The build made no pictures in $build/runtime" >&2; exit 1; }

for size in "${sizes[@]}"; do
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  cp -r "$build/runtime/." "$scratch/"
  mkdir -p "$scratch/config" "$scratch/run" && chmod 700 "$scratch/run"
  rm -rf "${out:?}/$size"
  echo "-- $size"
  # Port 9 (discard) is closed on loopback: every exchange request fails at
  # once, which the exchange page then says.
  (cd "$scratch" && env -u QT_SCALE_FACTOR -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb \
     XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run" TAVRIO_QUERY_URL=http://127.0.0.1:9 TAVRIO_FILE_URL=http://127.0.0.1:9 \
     xvfb-run -a -s "-screen 0 ${size}x24" "$build/scripts/shots/tavrio-shots" "$out/$size")
  rm -rf "$scratch"
  trap - EXIT
  echo "   $(ls "$out/$size" | grep -c '\.png$') pictures in $out/$size"
done
