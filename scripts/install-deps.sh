#!/usr/bin/env bash
# Installs what Quorbel needs on Debian 12 or 13: by default what building and playing
# need; with --test, also what every test, benchmark and the fuzzer need.
# With --list, only prints the package names of that set, one a line.
#   install-deps.sh [--test] [--list]
set -euo pipefail

# The compiler, CMake and Ninja, Qt's development files, the icons' converter, and what
# the game loads at run time: Qt's platform plugins and the fonts its labels are laid out for.
play=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev qt6-qpa-plugins qt6-wayland
  librsvg2-bin fonts-liberation
)
test=(
  libgtest-dev libbenchmark-dev qt6-base-private-dev
  clang-tidy clazy gcovr
  valgrind
  clang libclang-rt-dev
  xvfb xauth xdotool imagemagick x11-utils
  dbus at-spi2-core python3-pyatspi
  orca speech-dispatcher speech-dispatcher-audio-plugins libao4
  weston
  desktop-file-utils appstream dpkg-dev file man-db reuse lintian
)
packages=("${play[@]}")
list=false
for arg in "$@"; do
  case $arg in
    --test) packages+=("${test[@]}") ;;
    --list) list=true ;;
    *) echo "usage: install-deps.sh [--test] [--list]" >&2; exit 2 ;;
  esac
done
if $list; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
