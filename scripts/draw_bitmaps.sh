#!/usr/bin/env bash
# Redraws the built-in bitmaps into src/resources/bitmaps/ after a change to
# tools/drawres, and the test JPEG made from one of them. Commit the results;
# the native tests check that the committed files are what drawres draws.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null
cmake --build --preset native --target drawres
build/native/drawres src/resources/bitmaps
bash scripts/make_test_jpeg.sh
