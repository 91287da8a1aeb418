#!/usr/bin/env bash
# Builds the Debian package of the game and checks it with lintian.
#   bash packaging/make_deb.sh
# The game is built afresh in build-deb/ with Debian's own compiler and linker
# flags (dpkg-buildflags, all hardening on), the prefix /usr, the link in
# /usr/games as Debian's policy has it for games, and no tests; cpack makes
# build-deb/blivoturnix_<version>_<arch>.deb, whose library dependencies
# dpkg-shlibdeps finds. Fails when lintian reports an error.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh runtime build test

# Hardening as Debian builds its packages, given to CMake each time (its cache
# would keep the flags of the first configure).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" \
  -DBLIVO_TESTS=OFF >/dev/null
cmake --build build-deb -j"$(nproc)"
rm -f build-deb/blivoturnix_*.deb
(cd build-deb && cpack -G DEB)

deb=$(ls build-deb/blivoturnix_*.deb)
echo "== $deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
echo "== lintian"
lintian --info --display-info --tag-display-limit 0 "$deb"
echo "lintian: no errors"
