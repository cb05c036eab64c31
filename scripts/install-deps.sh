#!/usr/bin/env bash
# Installs what building, playing and testing Quorbel need on Debian 12 or 13.
# With --list, only prints the package names, one a line.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libbenchmark-dev
  valgrind
  clang libclang-rt-dev
  fonts-liberation
  xvfb xauth xdotool imagemagick x11-utils
  dbus at-spi2-core python3-pyatspi
  orca speech-dispatcher speech-dispatcher-audio-plugins libao4
  weston qt6-wayland
  desktop-file-utils appstream dpkg-dev file librsvg2-bin man-db reuse lintian
)
if [ "${1:-}" = --list ]; then
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
