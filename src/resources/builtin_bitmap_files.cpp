#include "resources/builtin_bitmap_files.h"

#include <algorithm>
#include <cctype>

namespace velmar {

std::optional<std::span<const uint8_t>> BuiltinBitmapFile(std::string_view name) {
  for (size_t i = 0; i < kEmbeddedBitmapCount; ++i) {
    const std::string_view candidate = kEmbeddedBitmaps[i].name;
    const bool same = candidate.size() == name.size() &&
                      std::equal(name.begin(), name.end(), candidate.begin(), [](char a, char b) {
                        return std::toupper(static_cast<unsigned char>(a)) == b;
                      });
    if (same) return std::span<const uint8_t>(kEmbeddedBitmaps[i].data, kEmbeddedBitmaps[i].size);
  }
  return std::nullopt;
}

}  // namespace velmar
