#!/usr/bin/env bash
# Starts or stops a throwaway vsftpd on loopback for the FTP benchmark.
#   scripts/vsftpd-server.sh start DIR [SECONDS]   prints "127.0.0.1:PORT PID"
#   scripts/vsftpd-server.sh stop PID
# Serves DIR/root to anonymous (any password), uploads allowed. It runs as
# the launching user (root in CI), so no chroot and no system accounts are
# involved; a watchdog stops it after SECONDS (default 1800) if nobody does.
set -euo pipefail

case "${1:-}" in
start)
  [ $# -ge 2 ] || { echo "usage: $0 start DIR [SECONDS]" >&2; exit 2; }
  dir=$(mkdir -p "$2" && cd "$2" && pwd)
  lifetime=${3:-1800}
  mkdir -p "$dir/root" "$dir/empty"
  port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  me=$(id -un)
  cat >"$dir/vsftpd.conf" <<CONF
listen=YES
listen_ipv6=NO
listen_address=127.0.0.1
listen_port=$port
background=NO
run_as_launching_user=YES
seccomp_sandbox=NO
ftp_username=$me
nopriv_user=$me
secure_chroot_dir=$dir/empty
anonymous_enable=YES
no_anon_password=YES
local_enable=NO
write_enable=YES
anon_upload_enable=YES
anon_other_write_enable=YES
anon_root=$dir/root
anon_umask=022
pasv_enable=YES
pasv_address=127.0.0.1
connect_from_port_20=NO
xferlog_enable=NO
CONF
  # vsftpd runs in the foreground under `timeout`, so it ends by itself.
  timeout "$lifetime" /usr/sbin/vsftpd "$dir/vsftpd.conf" >"$dir/vsftpd.log" 2>&1 </dev/null &
  pid=$!
  for _ in $(seq 1 50); do             # up to 5 s to accept connections
    if /usr/bin/python3 -c "import socket,sys; socket.create_connection(('127.0.0.1', $port), 1).close()" 2>/dev/null; then
      echo "127.0.0.1:$port $pid"
      exit 0
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "vsftpd did not start: $(cat "$dir/vsftpd.log")" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
  ;;
stop)
  [ $# -eq 2 ] || { echo "usage: $0 stop PID" >&2; exit 2; }
  kill "$2" 2>/dev/null || true
  wait "$2" 2>/dev/null || true
  ;;
*)
  echo "usage: $0 start DIR [SECONDS] | stop PID" >&2; exit 2 ;;
esac
