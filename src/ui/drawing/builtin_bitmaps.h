#pragma once
// The bitmaps built into the program, as the resource tools and the picture
// ports see them. The table itself is ui/drawing/bitmaps.h; the pictures are drawn by
// tools/drawres and kept in bitmaps/.

#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "ui/drawing/bitmaps.h"

namespace velmar {

// Every built-in bitmap, in the order the pages meet them.
inline std::span<const ui::BuiltInBitmap> BuiltinBitmaps() { return ui::kBuiltInBitmaps; }

// Width and height of a built-in bitmap; the name compares without regard to
// case, as resource names do. No value for a name that is not built in.
std::optional<std::pair<int, int>> BuiltinBitmapSize(std::string_view name);

}  // namespace velmar
