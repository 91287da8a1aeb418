#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, and runs each for SECONDS.
#   bash scripts/fuzz.sh SECONDS [target...]     (targets: the names in fuzz/*_fuzz.cpp)
# New inputs the fuzzer finds go to build-fuzz/corpus/<target>/; the seeds in
# fuzz/corpus/<target>/ are only read. A crash leaves its input in
# build-fuzz/artifacts/ and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
  echo "usage: bash scripts/fuzz.sh SECONDS [target...]" >&2
  exit 2
fi
seconds=$1
shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name%_fuzz}")
  done
fi

bash scripts/setup.sh
cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DBLIVO_FUZZ=ON -DBLIVO_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]/%/_fuzz}"

mkdir -p build-fuzz/artifacts
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
passed=0
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$target"
  seeds=()
  [ -d "fuzz/corpus/$target" ] && seeds=("fuzz/corpus/$target")
  echo "fuzz: $target for ${seconds}s"
  if ! "build-fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$target-" \
      "build-fuzz/corpus/$target" "${seeds[@]}" > "build-fuzz/$target.log" 2>&1; then
    tail -n 60 "build-fuzz/$target.log"
    echo "fuzz: $target FAILED; the input is in build-fuzz/artifacts/, the whole log in build-fuzz/$target.log" >&2
    echo "fuzz: $passed passed, 1 failed"
    exit 1
  fi
  grep -E '^Done' "build-fuzz/$target.log" | sed "s/^/fuzz: $target: /"
  passed=$((passed + 1))
done
echo "fuzz: $passed passed, 0 failed"
