#!/usr/bin/env bash
# Installs what building, running and testing Blivo Turnix needs on Debian 12;
# "setup.sh fuzz" adds what fuzzing needs (scripts/fuzz.sh).
# Only packages that are missing are installed; sudo is used where we are not root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libsdl2-mixer-dev timgm6mb-soundfont
  libchm-dev
  fp-compiler fp-units-fcl fp-units-misc
  libgtest-dev libbenchmark-dev
  fonts-liberation
  xvfb xauth libxcb1-dev
  openbox weston qt6-wayland x11-xserver-utils x11-utils xdotool
  clang libclang-rt-14-dev
)
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
