#pragma once
// The largest picture the installer decodes; bigger ones are refused before any
// pixel memory is taken, so a lying header cannot exhaust memory.

#include <cstdint>

namespace velmar {

constexpr int kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = int64_t{1} << 25;  // 128 MB of RGBA

inline bool PictureSizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

}  // namespace velmar
