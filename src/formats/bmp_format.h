#pragma once
// Windows bitmaps (.BMP files and the device-independent bitmaps inside
// resources): 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed or with
// bit-field masks, bottom-up or top-down. Every offset is checked against the
// data, so a damaged or hostile file gives no value instead of a bad read.

#include <cstdint>
#include <optional>
#include <span>

#include "formats/picture.h"

namespace velmar {

struct BmpSize {
  int width = 0, height = 0;
};

// Size from the headers alone (the pixels need not be present).
std::optional<BmpSize> BmpFileSize(std::span<const uint8_t> file);
// True when the headers are sound and every pixel row is present.
bool BmpFileComplete(std::span<const uint8_t> file);

std::optional<Picture> DecodeBmpFile(std::span<const uint8_t> file);
// A bitmap without the 14-byte file header, pixels right after the colour table.
std::optional<Picture> DecodeDib(std::span<const uint8_t> dib);

}  // namespace velmar
