#!/usr/bin/env bash
# A throw-away PostgreSQL cluster in a directory, on loopback only, for tests
# and the deployment check.
#   scratch-postgres.sh start DIR   initdb + start; prints the database URL
#   scratch-postgres.sh stop DIR    stops the cluster started in DIR
# Exits 3 when PostgreSQL's server programs are not installed. PostgreSQL
# refuses to run as root, so under root the cluster runs as user postgres.
set -euo pipefail
cmd=${1:-}; dir=${2:-}
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
if [ -z "$bin" ] || [ ! -x "$bin/initdb" ]; then
  echo "PostgreSQL server programs not found (scripts/install-deps.sh installs them)" >&2
  exit 3
fi
as=()
if [ "$(id -u)" -eq 0 ]; then
  id postgres >/dev/null 2>&1 || useradd --system --no-create-home postgres
  as=(runuser -u postgres --)
fi

case "$cmd" in
start)
  mkdir -p "$dir"
  [ ${#as[@]} -eq 0 ] || chown postgres "$dir"
  "${as[@]}" "$bin/initdb" -D "$dir/data" -A trust -U tavrio -E UTF8 --no-locale >"$dir/initdb.log" 2>&1 \
    || { cat "$dir/initdb.log" >&2; exit 1; }
  for _ in 1 2 3 4 5 6 7 8; do
    port=$((20000 + RANDOM % 30000))
    if "${as[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 start \
        -o "-p $port -k $dir -c listen_addresses=127.0.0.1 -c max_connections=300 -c shared_buffers=128MB" \
        >/dev/null 2>&1; then
      echo "$port" >"$dir/port"
      "$bin/createdb" -h 127.0.0.1 -p "$port" -U tavrio tavrio
      echo "postgresql://tavrio@127.0.0.1:$port/tavrio"
      exit 0
    fi
  done
  cat "$dir/server.log" >&2
  exit 1
  ;;
stop)
  [ -d "$dir/data" ] && "${as[@]}" "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true
  ;;
*)
  echo "usage: $0 start|stop DIR" >&2; exit 2
  ;;
esac
