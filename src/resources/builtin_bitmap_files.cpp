#include "resources/builtin_bitmap_files.h"

#include <algorithm>
#include <cctype>

#include "base/text_case.h"

namespace velmar {

std::optional<std::span<const uint8_t>> BuiltinBitmapFile(std::string_view name) {
  for (size_t i = 0; i < kEmbeddedBitmapCount; ++i) {
    const std::string_view candidate = kEmbeddedBitmaps[i].name;
    if (SameAsciiText(candidate, name)) return std::span<const uint8_t>(kEmbeddedBitmaps[i].data, kEmbeddedBitmaps[i].size);
  }
  return std::nullopt;
}

}  // namespace velmar
