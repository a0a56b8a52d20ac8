#!/usr/bin/env bash
# Installs, with apt, whatever this machine lacks.
#   scripts/ensure-deps.sh play   what building and playing the game needs
#   scripts/ensure-deps.sh test   that, plus the test, benchmark and fuzzing tools
# Extra package names may follow the profile. Says nothing when all is there.
# Otherwise it names what is missing, and installs it as root, or through
# sudo after saying that sudo will ask. When neither can, it prints the line
# an administrator can paste, and exits with status 1. apt's own output goes
# to the log (scripts/steps.sh), shown whole only when apt fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/steps.sh
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
# Names end up in a line for an administrator to paste: only package names.
for p in "$@"; do
  [[ $p =~ ^[a-z0-9][a-z0-9+.-]+(:[a-z0-9-]+)?$ ]] || { echo "not a Debian package name: $p" >&2; exit 2; }
done
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
[ -n "$log" ] || steps_begin setup

echo "Karvelin needs Debian packages that are not installed yet:"
echo "    ${missing[*]}"

# One line that works as pasted: sudo in front of "a && b" would cover only a.
install_line="apt-get update && apt-get install -y ${missing[*]}"
# Where there is no sudo, the root shell's line is the one that works: it comes first.
advise() {
  {
    echo "$1"
    if command -v sudo >/dev/null 2>&1; then
      echo "An administrator of this machine can install them by pasting this line:"
      echo
      echo "    sudo sh -c '$install_line'"
      echo
      echo "or this one in a root shell:"
      echo
      echo "    $install_line"
    else
      echo "An administrator of this machine can install them by pasting this line in a root shell:"
      echo
      echo "    $install_line"
      echo
      echo "or, where sudo is installed, this one:"
      echo
      echo "    sudo sh -c '$install_line'"
    fi
    echo
    echo "Then run ./$profile.sh again as yourself, not as root, so that build/ stays yours."
  } >&2
  exit 1
}

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || advise "Installing them takes root, and there is no sudo here."
  echo "Installing them takes root: sudo may ask for your password."
  sudo true || advise "sudo does not let you install them."
  sudo=(sudo)
fi

install_packages() {
  "${sudo[@]}" apt-get update &&
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}
step "Installing them with apt..." install_packages
