#!/usr/bin/env bash
# Builds both targets: native (Linux) and win32 (mingw-w64, static).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh
for preset in native win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
