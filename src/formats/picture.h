#pragma once
// A decoded picture: plain pixels, whatever file they came from.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmar {

struct Picture {
  int width = 0, height = 0;
  // Rows from top to bottom, four bytes a pixel: red, green, blue, alpha.
  std::vector<uint8_t> rgba;

  std::array<uint8_t, 4> pixel(int x, int y) const {
    const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
  }
};

}  // namespace velmar
