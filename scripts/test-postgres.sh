#!/usr/bin/env bash
# Starts a throw-away PostgreSQL server on 127.0.0.1 for the tests and prints the SPORTS_TEST_PG value.
# Usage: eval "$(scripts/test-postgres.sh start)"   |   scripts/test-postgres.sh stop
# A server already running in the folder is kept (tests make databases of their own), so several
# test runs can share it; "restart" starts afresh.
set -euo pipefail
PORT=${SPORTS_PG_PORT:-54329}
DIR=${SPORTS_PG_DIR:-/tmp/sports-test-pg}
BIN=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
RUN_AS=()
[ "$(id -u)" -eq 0 ] && RUN_AS=(runuser -u postgres --)
case "${1:-start}" in
  start|restart)
    if [ "${1:-start}" = start ] && [ -f "$DIR/data/postmaster.pid" ] \
       && "${RUN_AS[@]}" "$BIN/pg_ctl" -D "$DIR/data" status >/dev/null 2>&1; then
      echo "export SPORTS_TEST_PG='host=127.0.0.1 port=$PORT user=postgres dbname=postgres'"
      exit 0
    fi
    if [ -f "$DIR/data/postmaster.pid" ]; then "${RUN_AS[@]}" "$BIN/pg_ctl" -D "$DIR/data" -m immediate stop >/dev/null 2>&1 || true; fi
    rm -rf "$DIR"; mkdir -p "$DIR/sock"
    [ "$(id -u)" -eq 0 ] && chown -R postgres:postgres "$DIR"
    "${RUN_AS[@]}" "$BIN/initdb" -D "$DIR/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 >/dev/null
    "${RUN_AS[@]}" "$BIN/pg_ctl" -D "$DIR/data" -w -l "$DIR/server.log" start \
       -o "-c listen_addresses=127.0.0.1 -p $PORT -k $DIR/sock -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=200" >/dev/null
    echo "export SPORTS_TEST_PG='host=127.0.0.1 port=$PORT user=postgres dbname=postgres'"
    ;;
  stop)
    [ -f "$DIR/data/postmaster.pid" ] && "${RUN_AS[@]}" "$BIN/pg_ctl" -D "$DIR/data" -m fast stop >/dev/null
    ;;
esac
