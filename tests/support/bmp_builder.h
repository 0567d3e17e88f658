#pragma once
// Builds .BMP files byte by byte, so tests can make every variant and every
// kind of damage.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <utility>
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
};

// Little-endian values of the given sizes in bytes: {value, bytes}, ...
inline void Put(std::vector<uint8_t>& out, std::initializer_list<std::pair<uint32_t, int>> values) {
  for (const auto& [v, bytes] : values)
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline std::vector<uint8_t> MakeBmp(const BmpShape& s) {
  std::vector<uint8_t> info;
  const auto width = static_cast<uint32_t>(s.width), height = static_cast<uint32_t>(s.height);
  Put(info, {{s.headerSize, 4}, {width, 4}, {height, 4}, {s.planes, 2}, {s.bitsPerPixel, 2}, {s.compression, 4},
             {static_cast<uint32_t>(s.pixels.size()), 4}, {2835, 4}, {2835, 4}, {s.colorsUsed, 4}, {0, 4}});
  if (s.headerSize > 40)
    for (size_t i = 0; i < s.masks.size() && info.size() < s.headerSize; ++i) Put(info, {{s.masks[i], 4}});
  info.resize(s.headerSize, 0);
  if (s.headerSize == 40)
    for (uint32_t m : s.masks) Put(info, {{m, 4}});
  for (const auto& c : s.palette) info.insert(info.end(), c.begin(), c.end());
  const auto infoSize = static_cast<uint32_t>(info.size());
  std::vector<uint8_t> out = {'B', 'M'};
  Put(out, {{14 + infoSize + static_cast<uint32_t>(s.pixels.size()), 4}, {0, 4},
            {s.pixelOffset.value_or(14 + infoSize), 4}});
  out.insert(out.end(), info.begin(), info.end());
  out.insert(out.end(), s.pixels.begin(), s.pixels.end());
  return out;
}

}  // namespace velmar::test
