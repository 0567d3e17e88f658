#pragma once
// The bitmaps built into the program: their resource names and sizes in pixels.
// The pictures themselves are drawn by tools/drawres and kept in bitmaps/.

#include <optional>
#include <span>
#include <string_view>
#include <utility>

namespace velmar {

struct BuiltinBitmapInfo {
  const char* name;
  int width, height;
};

// Every built-in bitmap, in the order the pages meet them.
std::span<const BuiltinBitmapInfo> BuiltinBitmaps();

// Width and height of a built-in bitmap; the name compares without regard to
// case, as resource names do. No value for a name that is not built in.
std::optional<std::pair<int, int>> BuiltinBitmapSize(std::string_view name);

}  // namespace velmar
