#!/usr/bin/env bash
# Installs what is missing, builds Tarvok and runs every test suite. Exits with the tests' status.
#
# Each line of the list below is one build folder with its CMake options: the full suite with
# GCC, and the non-benchmark suites once more as built by clang in Release. Another build (a
# sanitizer run, say) is one more line.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

builds=(
  "build"
  "build-clang -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ -DTARVOK_BUILD_BENCH=OFF"
)

for build in "${builds[@]}"; do
  read -r -a options <<<"$build"
  echo "test: building and testing ${options[*]}"
  ./scripts/build.sh "${options[@]}"
  ctest --test-dir "${options[0]}" --output-on-failure -j2 --timeout 600
done
