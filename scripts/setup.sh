#!/usr/bin/env bash
# Installs the Debian 12 packages Blivo Turnix needs, list by list:
#   bash scripts/setup.sh                  runtime, build and test: all that play.sh and test.sh need
#   bash scripts/setup.sh runtime          only what the built game needs to run
#   bash scripts/setup.sh build            only what building the game needs (the help compiler too)
#   bash scripts/setup.sh test             only what the tests, benchmarks, fuzz targets and packaging checks need
#   bash scripts/setup.sh fuzz             only what fuzzing needs (scripts/fuzz.sh)
# Several lists may be named at once. Only packages that are missing are
# installed; sudo is used where we are not root.
set -euo pipefail

# What the game and its help viewer load when they run, the libraries the
# loader finds and those the game opens itself (the sound library, the
# toolkit's platform plugins, the sound font the music is played with).
runtime=(
  libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins
  libsdl2-mixer-2.0-0 timgm6mb-soundfont
  libchm1 libxcb1
  fonts-liberation
)
# Compilers, headers, and the Free Pascal units our help compiler is built with.
build=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libsdl2-mixer-dev
  libchm-dev
  libxcb1-dev
  fp-compiler fp-units-fcl fp-units-misc
)
# The test suite, the benchmarks, the desktops the tests start, the sanitizer
# and fuzzing builds, and the checks of what an install and the package hold.
test=(
  libgtest-dev libbenchmark-dev
  xvfb xauth openbox weston qt6-wayland x11-xserver-utils x11-utils xdotool
  clang libclang-rt-14-dev
  desktop-file-utils appstream file man-db
  dpkg-dev fakeroot lintian
)
fuzz=(clang libclang-rt-14-dev)

lists=("$@")
[ ${#lists[@]} -gt 0 ] || lists=(runtime build test)
packages=()
for list in "${lists[@]}"; do
  case "$list" in
    runtime) packages+=("${runtime[@]}") ;;
    build) packages+=("${build[@]}") ;;
    test) packages+=("${test[@]}") ;;
    fuzz) packages+=("${fuzz[@]}") ;;
    *) echo "usage: bash scripts/setup.sh [runtime] [build] [test] [fuzz]" >&2; exit 2 ;;
  esac
done

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
