#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the suite, the same
# suite built with AddressSanitizer and UndefinedBehaviorSanitizer, and each
# fuzz target for BLIVO_FUZZ_SECONDS (25 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"

# The suite again, with every memory error and undefined behaviour fatal.
cmake -S . -B build-asan -DBLIVO_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-asan -j"$(nproc)"
ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1" \
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)"

bash scripts/fuzz.sh "${BLIVO_FUZZ_SECONDS:-25}"
