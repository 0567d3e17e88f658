#!/usr/bin/env bash
# Makes the JPEG that the picture tests decode: the maker's logo, compressed by
# ImageMagick, as tests/data/kravocr.jpg.
set -euo pipefail
cd "$(dirname "$0")/.."
convert src/resources/bitmaps/KRAVOCR.bmp -strip -quality 92 tests/data/kravocr.jpg
