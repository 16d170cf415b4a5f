#!/usr/bin/env bash
# Builds the Debian package of Tarvok, tarvok_<version>_<arch>.deb, in Release from a clean folder
# build-package/ and prints where it is. Install it with: sudo apt install ./build-package/tarvok_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

folder=build-package
rm -rf "$folder"
cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DTARVOK_BUILD_TESTS=OFF -DTARVOK_BUILD_BENCH=OFF "${launcher[@]}"
cmake --build "$folder" --parallel "$(nproc)"
(cd "$folder" && cpack -G DEB)
ls "$folder"/tarvok_*.deb
