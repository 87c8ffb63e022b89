# Sourced by the load scripts: tavrio-exchange on a free loopback port, and
# wrk's latency figures in milliseconds.

# start_exchange BIN DATA LOG: starts BIN in the background on a free
# loopback port with its store in DATA, writing to LOG; its process id is
# left in exchange_pid.
start_exchange() {
  "$1" --port 0 --data "$2" >"$3" 2>&1 &
  exchange_pid=$!
}

# exchange_port LOG: the port the server says it listens on, waiting up to
# ten seconds; empty when it never says.
exchange_port() {
  local port=""
  for _ in $(seq 100); do
    port=$(sed -n 's/.*listening on http:\/\/127\.0\.0\.1:\([0-9]*\).*/\1/p' "$1")
    [ -n "$port" ] && break
    sleep 0.1
  done
  echo "$port"
}

# wrk_p99_ms OUTPUT: the 99th percentile of a `wrk --latency` run in ms.
wrk_p99_ms() {
  echo "$1" | awk '$1 == "99%" {print $2}' \
    | awk '/us$/ {sub("us",""); print $1/1000; next} /ms$/ {sub("ms",""); print $1; next} /s$/ {sub("s",""); print $1*1000}'
}
