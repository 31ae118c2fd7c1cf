#!/usr/bin/env bash
# The demo: a local FTP server with a demo account and a demo file, and
# Kestrum's dialog in a working directory of its own.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/.." && pwd)
build=$(cd "${1:-build}" && pwd)
. "$here/display-check.sh"
require_display

demo="$top/demo"
mkdir -p "$demo/server/www" "$demo/files" "$demo/work"
file="$demo/files/kestrum-demo.txt"
printf 'Hello from Kestrum, uploaded %s.\n' "$(date '+%Y-%m-%d %H:%M:%S')" >"$file"

read -r address pid < <("$here/ftp-server.sh" start "$demo/server" demo demo)
trap '"$here/ftp-server.sh" stop "$pid"' EXIT

cat <<MSG

  A local FTP server is running at $address, serving $demo/server
  Type this into Kestrum, then press Upload (or Enter):

    File:        $file
    Address:     $address
    Username:    demo
    Password:    demo
    Directory:   www

  The file arrives in $demo/server/www/
  "Directory List" lists the login directory in this terminal.
  Close the window (Cancel, Esc) to end the demo and stop the server.

MSG

(cd "$demo/work" && "$build/bin/kestrum")

echo
echo "On the server now ($demo/server/www):"
ls -l "$demo/server/www"
