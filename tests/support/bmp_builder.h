#pragma once
// Builds .BMP files byte by byte, so tests can make every variant and every
// kind of damage.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace velmar::test {

struct BmpShape {
  uint32_t headerSize = 40;
  int32_t width = 1, height = 1;
  uint16_t planes = 1, bitsPerPixel = 24;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> masks;                 // after a 40-byte header, inside longer ones
  std::vector<std::array<uint8_t, 4>> palette;  // blue, green, red, reserved
  std::vector<uint8_t> pixels;                 // rows as stored, padding included
  std::optional<uint32_t> pixelOffset;         // default: right after the palette
  bool fileHeader = true;                      // false: a DIB as in a resource
};

inline void Put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline std::vector<uint8_t> MakeBmp(const BmpShape& s) {
  std::vector<uint8_t> info;
  Put(info, s.headerSize, 4);
  if (s.headerSize == 12) {
    Put(info, s.width, 2);
    Put(info, s.height, 2);
    Put(info, s.planes, 2);
    Put(info, s.bitsPerPixel, 2);
  } else {
    Put(info, s.width, 4);
    Put(info, s.height, 4);
    Put(info, s.planes, 2);
    Put(info, s.bitsPerPixel, 2);
    Put(info, s.compression, 4);
    Put(info, static_cast<uint32_t>(s.pixels.size()), 4);
    Put(info, 2835, 4);
    Put(info, 2835, 4);
    Put(info, s.colorsUsed, 4);
    Put(info, 0, 4);
    if (s.headerSize > 40) {
      for (size_t i = 0; i < s.masks.size() && info.size() < s.headerSize; ++i) Put(info, s.masks[i], 4);
    }
    info.resize(s.headerSize, 0);
  }
  if (s.headerSize == 40) {
    for (uint32_t m : s.masks) Put(info, m, 4);
  }
  for (const auto& c : s.palette) {
    info.push_back(c[0]);
    info.push_back(c[1]);
    info.push_back(c[2]);
    if (s.headerSize != 12) info.push_back(c[3]);
  }
  std::vector<uint8_t> out;
  if (s.fileHeader) {
    const uint32_t offset = s.pixelOffset.value_or(14 + static_cast<uint32_t>(info.size()));
    out = {'B', 'M'};
    Put(out, 14 + static_cast<uint32_t>(info.size() + s.pixels.size()), 4);
    Put(out, 0, 4);
    Put(out, offset, 4);
  }
  out.insert(out.end(), info.begin(), info.end());
  out.insert(out.end(), s.pixels.begin(), s.pixels.end());
  return out;
}

}  // namespace velmar::test
