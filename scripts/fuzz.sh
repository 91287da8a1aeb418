#!/usr/bin/env bash
# Runs every fuzz target (fuzz/<name>_fuzz.cpp), or the ones named, for
# SECONDS each:   bash scripts/fuzz.sh 30      bash scripts/fuzz.sh 600 help_reader
# The targets are built with clang and the sanitizers into build-fuzz/. Each
# starts from its seeds in fuzz/corpus/<name>/ and the inputs it found before
# (build-fuzz/fuzz/corpus/<name>/); what makes one fail is kept in
# build-fuzz/fuzz/findings/<name>/. Exits non-zero when any target failed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [target...]}
shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" _fuzz.cpp)"); done
fi
bash scripts/setup.sh fuzz
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DBLIVO_FUZZ=ON -DBLIVO_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/%/_fuzz}"
failed=0
for name in "${targets[@]}"; do
  mkdir -p "build-fuzz/fuzz/corpus/$name" "build-fuzz/fuzz/findings/$name"
  echo "fuzz: $name for ${seconds}s"
  build-fuzz/fuzz/"${name}_fuzz" "build-fuzz/fuzz/corpus/$name" "fuzz/corpus/$name" \
    -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/fuzz/findings/$name/" || failed=1
done
exit $failed
