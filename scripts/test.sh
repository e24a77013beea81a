#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# PRESET=asan runs the same suite under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${PRESET:-dev}
bash scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build "build/$preset"
ctest --preset "$preset" -j "$(nproc)"
