#!/usr/bin/env bash
# Installs, with apt, whatever this machine lacks.
#   scripts/ensure-deps.sh play   what building and playing the game needs
#   scripts/ensure-deps.sh test   that, plus the test, benchmark and fuzzing tools
# Extra package names may follow the profile. Without root and without a
# working sudo it prints the exact install command for an administrator and
# exits with status 1.
set -euo pipefail
profile=${1:-test}
[ $# -gt 0 ] && shift
play=(build-essential cmake ninja-build pkg-config
      libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev
      libfontconfig-dev fontconfig fonts-liberation2 fonts-dejavu-core)
case "$profile" in
  play) packages=("${play[@]}") ;;
  test) packages=("${play[@]}" libgtest-dev libbenchmark-dev clang libclang-rt-dev xvfb xauth x11-apps) ;;
  *) echo "usage: $0 play|test [package...]" >&2; exit 2 ;;
esac
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

install_line="apt-get update && apt-get install -y ${missing[*]}"
advise() {
  echo >&2
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing with apt failed (see above). The command was:" >&2
  else
    echo "Karvelin cannot install what it needs: that takes root. Run this again as root," >&2
    echo "or ask an administrator of this machine to run:" >&2
  fi
  echo >&2
  echo "    $install_line" >&2
  echo >&2
  exit 1
}

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || advise
  sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq || advise
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" || advise
