#!/usr/bin/env bash
# Installs, with apt, whatever the build needs and this machine lacks.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config
          libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev
          libfontconfig-dev fontconfig fonts-liberation2 fonts-dejavu-core
          libgtest-dev libbenchmark-dev "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
