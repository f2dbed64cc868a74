#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing
# when they are all present.  Run as root (or with sudo available).
set -euo pipefail

PACKAGES=(build-essential cmake ninja-build pkg-config libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libgl1-mesa-dev
  libglu1-mesa-dev libgl1-mesa-dri libxlsxwriter-dev libminizip-dev xvfb xauth
  fontconfig fonts-dejavu-core fonts-liberation)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then SUDO="sudo"; else
    echo "tools/deps.sh: missing packages ${missing[*]}; run as root to install them" >&2
    exit 1
  fi
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
