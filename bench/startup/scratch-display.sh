# Sourced by the start-up scripts: a scratch copy of the build's runtime
# files in $work and a private Xvfb (1024 x 768) as $DISPLAY, both removed
# when the script ends. Expects $build.
work=$(mktemp -d)
cp -r "$build/runtime/." "$work/"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
