#!/usr/bin/env bash
# Runs a command with TAVRIO_TEST_POSTGRES set to a scratch PostgreSQL
# database that lives only as long as the command. Exits 77 (skipped) when
# PostgreSQL is not installed.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
dir=$(mktemp -d "${TMPDIR:-/tmp}/tavrio-pg-test-XXXXXX")
trap '"$top/scripts/scratch-postgres.sh" stop "$dir"; rm -rf "$dir"' EXIT
url=$("$top/scripts/scratch-postgres.sh" start "$dir")
rc=$?
if [ $rc -eq 3 ]; then
  echo "SKIPPED: PostgreSQL is not installed, so the store is not tested against it"
  exit 77
fi
[ $rc -eq 0 ] || { echo "cannot start a scratch PostgreSQL"; exit 1; }
TAVRIO_TEST_POSTGRES=$url "$@"
