#!/usr/bin/env bash
# Starts or stops the local FTP server.
#   scripts/ftp-server.sh start ROOT USER PASSWORD   prints "HOST:PORT PID"
#   scripts/ftp-server.sh stop PID
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

case "${1:-}" in
start)
  [ $# -eq 4 ] || { echo "usage: $0 start ROOT USER PASSWORD" >&2; exit 2; }
  mkdir -p "$2"
  out=$(mktemp)
  /usr/bin/python3 "$here/ftp-server.py" --root "$2" --user "$3" --password "$4" >"$out" 2>&1 </dev/null &
  pid=$!
  for _ in $(seq 1 100); do          # up to 10 s for the first line
    [ -s "$out" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  addr=$(head -n 1 "$out")
  rm -f "$out"
  case "$addr" in
    *:[0-9]*) echo "$addr $pid" ;;
    *) echo "FTP server did not start: $addr" >&2; kill "$pid" 2>/dev/null || true; exit 1 ;;
  esac
  ;;
stop)
  [ $# -eq 2 ] || { echo "usage: $0 stop PID" >&2; exit 2; }
  kill "$2" 2>/dev/null || true
  ;;
*)
  echo "usage: $0 start ROOT USER PASSWORD | stop PID" >&2; exit 2 ;;
esac
