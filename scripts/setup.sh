#!/usr/bin/env bash
# Installs everything Quillo needs to build, run and test on Debian 12.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
  libcurl4-openssl-dev
  clang libclang-rt-14-dev
  # fonts: a Hei face and a Song face stand in for the Windows CJK fonts
  fonts-wqy-microhei fonts-wqy-zenhei fonts-arphic-uming fonts-noto-cjk
  # running: xdg-open hands addresses to the desktop
  xdg-utils
  # recommended by the .deb: native Wayland when there is no XWayland
  qt6-wayland
  # tests
  xvfb xauth openbox x11-utils xdotool imagemagick php-cli python3
  # packaging
  desktop-file-utils appstream dpkg-dev file fakeroot
  # benchmarks (bench/run.sh): peak memory, first paints, the start-up profile
  time linux-perf valgrind libxcb-damage0-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
