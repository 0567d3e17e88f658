#!/usr/bin/env bash
# Makes the JPEG that the picture tests decode: the maker's logo, compressed by
# ImageMagick, written as a byte array into tests/platform/kravocr_jpeg.h.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
convert src/resources/bitmaps/KRAVOCR.bmp -strip -quality 92 "$tmp/kravocr.jpg"
{
  echo "#pragma once"
  echo "// src/resources/bitmaps/KRAVOCR.bmp as a JPEG (made by scripts/make_test_jpeg.sh)."
  echo "#include <cstdint>"
  echo "inline constexpr uint8_t kKravoJpeg[] = {"
  od -An -v -tx1 "$tmp/kravocr.jpg" | sed -E 's/ ([0-9a-f]{2})/0x\1,/g; s/^/ /'
  echo "};"
} > tests/platform/kravocr_jpeg.h
