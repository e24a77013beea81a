#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on its delivered data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build build/release
exec build/release/marokey
