#!/usr/bin/env bash
# Starts or stops the Firebird server that the tests use: bound to 127.0.0.1 (the package's default),
# port 3050, with the SYSDBA password taken from QOV_SYSDBA_PASSWORD.
#   scripts/firebird-server.sh start | stop
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
pidfile="$root/build/firebird-server.pid"
security_db=/var/lib/firebird/3.0/system/security3.fdb

port_open() { (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; }

start() {
  : "${QOV_SYSDBA_PASSWORD:?QOV_SYSDBA_PASSWORD must hold the SYSDBA password to set}"
  if port_open; then
    echo "firebird-server: port 3050 is taken already; stop that server first" >&2
    exit 1
  fi
  # The security database is open to the embedded engine only while no server holds it.
  local sql=${QOV_SYSDBA_PASSWORD//\'/\'\'}
  printf "ALTER USER SYSDBA PASSWORD '%s';\nCOMMIT;\n" "$sql" | isql-fb -q -b -user SYSDBA "$security_db"
  mkdir -p "$(dirname "$pidfile")"
  setsid /usr/sbin/firebird </dev/null >/dev/null 2>&1 &
  echo $! > "$pidfile"
  for _ in $(seq 1 300); do
    port_open && return 0
    kill -0 "$(cat "$pidfile")" 2>/dev/null || break
    sleep 0.1
  done
  echo "firebird-server: the server did not start; see /var/log/firebird/firebird3.0.log" >&2
  exit 1
}

stop() {
  [ -f "$pidfile" ] || return 0
  local pid
  pid=$(cat "$pidfile")
  rm -f "$pidfile"
  kill "$pid" 2>/dev/null || return 0
  while kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
