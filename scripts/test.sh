#!/usr/bin/env bash
# Installs what is missing, builds Tarvok and runs every test suite. Exits with the tests' status.
#
# Each line of the list below is one build folder with its CMake options: the full suite with
# GCC; the non-benchmark suites once more as built by clang in Release; and the suites without
# the desktop program's widgets built by clang with AddressSanitizer and UndefinedBehaviorSanitizer,
# with the fuzz targets, whose seed corpora ctest replays. Then every fuzz target runs for 20
# seconds on its corpus (fuzz/run.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

builds=(
  "build"
  "build-clang -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ -DTARVOK_BUILD_BENCH=OFF"
  "build-check -DCMAKE_CXX_COMPILER=clang++ -DTARVOK_BUILD_GUI=OFF -DTARVOK_BUILD_BENCH=OFF -DTARVOK_SANITIZE=ON -DTARVOK_BUILD_FUZZ=ON"
)
# A sanitizer's report ends the test that made it, with the stack that led there.
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

for build in "${builds[@]}"; do
  read -r -a options <<<"$build"
  echo "test: building and testing ${options[*]}"
  ./scripts/build.sh "${options[@]}"
  ctest --test-dir "${options[0]}" --output-on-failure -j2 --timeout 600
done

./fuzz/run.sh build-check 20
