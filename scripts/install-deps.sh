#!/usr/bin/env bash
# Installs what Kestrum needs to build, test, demo and benchmark on Debian 12.
# Idempotent: asks apt only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config
  qt6-base-dev libgl-dev libgtest-dev
  libcurl4-openssl-dev curl
  python3-pyftpdlib vsftpd
  xvfb xauth x11-utils
  fonts-liberation libxcb1-dev time
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" </dev/null
