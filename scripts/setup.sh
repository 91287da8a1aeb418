#!/usr/bin/env bash
# Installs what building, running and testing Blivo Turnix needs on Debian 12.
# Only packages that are missing are installed; sudo is used where we are not root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libsdl2-mixer-dev timgm6mb-soundfont
  libchm-dev fp-utils
  libgtest-dev libbenchmark-dev
  fonts-liberation
  xvfb xauth xdotool
  clang libclang-rt-14-dev
)

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
