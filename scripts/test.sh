#!/usr/bin/env bash
# Installs what is missing, builds Tarvok and runs every test suite. Exits with the tests' status.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh

exec ctest --test-dir build --output-on-failure -j2 --timeout 600
