#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test the program.
# Idempotent: when every package is present it only runs dpkg-query.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev libqt6sql6-sqlite libqt6sql6-odbc
          unixodbc tdsodbc xvfb xauth fonts-dejavu-core)
# Node.js may come from elsewhere than Debian (with its own npm); only a missing one is installed.
command -v node >/dev/null && command -v npm >/dev/null || packages+=(nodejs npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
