#!/usr/bin/env bash
# The exchange for many schools, on loopback: PostgreSQL in a scratch
# directory, two tavrio-exchange processes sharing it, nginx in front.
#
#   deployment.sh check [BUILD]   start everything, run the protocol's
#                                 integration tests and the load run through
#                                 nginx, stop everything (the CI step)
#   deployment.sh up DIR [BUILD]  start everything and leave it running;
#                                 DIR/env holds the ports and process ids
#   deployment.sh down DIR        stop what `up` started in DIR
#
# BUILD is the build directory (default: build). Installs nginx, PostgreSQL
# and wrk from Debian's packages when they are missing.
# LOAD_SECONDS sets the length of the search load (default 10);
# SERVER_THREADS the event threads of each server (default 2: on a small
# machine more threads only queue more queries at PostgreSQL at once).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
here="$top/server/deploy"

install_missing() {
  local pkgs=()
  [ -x /usr/sbin/nginx ] || pkgs+=(nginx-light)
  ls /usr/lib/postgresql/*/bin/initdb >/dev/null 2>&1 || pkgs+=(postgresql postgresql-contrib)
  command -v wrk >/dev/null || pkgs+=(wrk)
  command -v curl >/dev/null || pkgs+=(curl)
  [ ${#pkgs[@]} -eq 0 ] && return 0
  echo "Installing: ${pkgs[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${pkgs[@]}"
}

free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'
}

# Waits for the "listening on" line in a server's log; prints the port.
port_of_log() {
  local log=$1 port=""
  for _ in $(seq 300); do
    port=$(sed -n 's/.*listening on http:\/\/127\.0\.0\.1:\([0-9]*\).*/\1/p' "$log")
    [ -n "$port" ] && { echo "$port"; return 0; }
    sleep 0.1
  done
  cat "$log" >&2
  return 1
}

up() {
  local dir=$1 build=$2
  local bin="$build/server/tavrio-exchange"
  [ -x "$bin" ] || { echo "no $bin: build tavrio-exchange first" >&2; exit 1; }
  mkdir -p "$dir"
  chmod 755 "$dir"   # nginx's workers and PostgreSQL run as other users under root
  : >"$dir/env"
  local url
  url=$("$top/scripts/scratch-postgres.sh" start "$dir/pg" </dev/null)
  echo "DATABASE_URL=$url" >>"$dir/env"

  # Both servers start at once: schema and seeding take turns on a lock.
  # nginx limits connections per address, so the servers do not.
  for name in a b; do
    "$bin" --port 0 --database "$url" --max-per-address 0 --threads "${SERVER_THREADS:-2}" \
      >"$dir/server-$name.log" 2>&1 &
    echo "SERVER_${name^^}_PID=$!" >>"$dir/env"
  done
  local pa pb
  pa=$(port_of_log "$dir/server-a.log")
  pb=$(port_of_log "$dir/server-b.log")
  echo "SERVER_A_PORT=$pa" >>"$dir/env"
  echo "SERVER_B_PORT=$pb" >>"$dir/env"

  local np
  np=$(free_port)
  local upstreams="    server 127.0.0.1:$pa max_fails=1 fail_timeout=2s;
    server 127.0.0.1:$pb max_fails=1 fail_timeout=2s;"
  UPSTREAMS="$upstreams" DIR="$dir" PORT="$np" python3 - "$here/nginx.conf.in" "$dir/nginx.conf" <<'PY'
import os, sys
text = open(sys.argv[1]).read()
for key in ("DIR", "PORT", "UPSTREAMS"):
    text = text.replace("@" + key + "@", os.environ[key])
open(sys.argv[2], "w").write(text)
PY
  /usr/sbin/nginx -p "$dir" -c "$dir/nginx.conf" -e "$dir/nginx-error.log" >"$dir/nginx.log" 2>&1 &
  echo "NGINX_PID=$!" >>"$dir/env"
  echo "NGINX_PORT=$np" >>"$dir/env"
  local ready=""
  for _ in $(seq 100); do
    curl -sf "http://127.0.0.1:$np/tavrio_webinterface.php?GIVEME=BUECHER" >/dev/null && { ready=1; break; }
    sleep 0.1
  done
  [ -n "$ready" ] || { echo "nginx does not answer" >&2; cat "$dir/nginx-error.log" >&2; exit 1; }
  echo "nginx on http://127.0.0.1:$np -> tavrio-exchange on ports $pa and $pb -> $url"
}

down() {
  local dir=$1
  [ -f "$dir/env" ] || return 0
  # shellcheck disable=SC1091
  source "$dir/env"
  for pid in ${NGINX_PID:-} ${SERVER_A_PID:-} ${SERVER_B_PID:-}; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in ${NGINX_PID:-} ${SERVER_A_PID:-} ${SERVER_B_PID:-}; do
    wait "$pid" 2>/dev/null || true
  done
  "$top/scripts/scratch-postgres.sh" stop "$dir/pg"
}

find_binary() {
  find "$1" -type f -name "$2" -perm -u+x 2>/dev/null | head -n 1
}

check() {
  local build=$1
  check_dir=$(mktemp -d "${TMPDIR:-/tmp}/tavrio-deploy-XXXXXX")
  trap 'down "$check_dir"; rm -rf "$check_dir"' EXIT
  local dir=$check_dir
  up "$dir" "$build"
  # shellcheck disable=SC1091
  source "$dir/env"
  local front="http://127.0.0.1:$NGINX_PORT"

  echo "== an upload to one server is found and downloaded from the other at once"
  printf 'deploycheck\r\nVerteilung\r\n1\r\n\r\n' >"$dir/list.vok"
  curl -sf -F "Wunschname=Deploy - Check.vok" -F "userfile=@$dir/list.vok;filename=pelikor.txt" \
    "http://127.0.0.1:$SERVER_A_PORT/Kavnet/Tavrio/Network/uploadfile.php" | grep -q '<result>successful</result>'
  curl -sf "http://127.0.0.1:$SERVER_B_PORT/tavrio_webinterface.php?GIVEME=SUCHE&WONACH=DEPLOYCHECK" \
    | grep -q '<titel>Check</titel>'
  curl -sf "http://127.0.0.1:$SERVER_B_PORT/Kavnet/Tavrio/Network/VokDateien/Deploy%20-%20Check.vok" \
    | cmp - "$dir/list.vok"
  echo "ok"

  echo "== the protocol's integration tests through nginx"
  local integration
  integration=$(find_binary "$build" exchange_integration_test)
  if [ -n "$integration" ]; then
    TAVRIO_EXCHANGE_URL="$front" QT_QPA_PLATFORM=offscreen "$integration"
  else
    echo "exchange_integration_test not built (no GUI build); skipped"
  fi

  echo "== search load through nginx"
  local out
  out=$(wrk -t2 -c32 -d"${LOAD_SECONDS:-10}s" --latency "$front/tavrio_webinterface.php?GIVEME=SUCHE&WONACH=Unit")
  echo "$out" | grep -E 'Requests/sec|Latency |99%|Socket errors|Non-2xx'
  if echo "$out" | grep -qE 'Socket errors|Non-2xx'; then echo "errors under load"; exit 1; fi

  echo "== 400 uploads from 40 clients through nginx"
  local loader
  loader=$(find_binary "$build" tavrio_upload_load)
  if [ -n "$loader" ]; then
    "$loader" --port "$NGINX_PORT" --uploads 400 --clients 40
  else
    echo "tavrio_upload_load not built (benchmarks off); skipped"
  fi
  echo "deployment check passed"
}

cmd=${1:-check}
case "$cmd" in
check) install_missing; check "${2:-$top/build}" ;;
up) install_missing; up "${2:?DIR}" "${3:-$top/build}" ;;
down) down "${2:?DIR}" ;;
*) sed -n '2,16p' "$0"; exit 2 ;;
esac
