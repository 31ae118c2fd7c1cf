#!/usr/bin/env bash
# Opens Kestrum's dialog. It writes its FTP scripts into the working
# directory, so it runs in a directory of its own: BUILD/run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
. "$here/display-check.sh"
require_display

mkdir -p "$build/run"
cd "$build/run"
echo "Kestrum works in $PWD: cmds.txt and runner.bat are written there."
exec "$build/bin/kestrum"
