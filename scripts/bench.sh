#!/usr/bin/env bash
# Every benchmark, one after the other. Not part of the tests.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
echo "== FTP client upload against curl"
"$here/bench-ftp.sh" "$build"
echo
echo "== Start-up against a bare Qt dialog"
"$here/bench-startup.sh" "$build"
