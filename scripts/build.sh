#!/usr/bin/env bash
# Configures and builds Tarvok with every compiler warning as an error.
#   scripts/build.sh                        build/ : optimised with debug information
#   scripts/build.sh FOLDER [OPTION...]     FOLDER : the CMake options given (e.g.
#                                           -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++)
set -euo pipefail
cd "$(dirname "$0")/.."

folder=${1:-build}
shift || true

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVOK_WERROR=ON \
  "${launcher[@]}" "$@"
cmake --build "$folder" --parallel "$(nproc)"
