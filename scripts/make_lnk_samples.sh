#!/usr/bin/env bash
# Remakes tests/data/lnk/*.lnk (except the format document's sample) with
# Wine's shell, through the win32 build of tools/lnk_samples.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target lnk_samples
source scripts/wine-env.sh
out="$(pwd)/tests/data/lnk"
"$WINE" build/win32/lnk_samples.exe "Z:${out//\//\\}" 'C:\VelmarSamples'
ls -l "$out"
