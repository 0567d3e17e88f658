#include "ui/drawing/builtin_bitmaps.h"

namespace velmar {

std::optional<std::pair<int, int>> BuiltinBitmapSize(std::string_view name) {
  const auto size = ui::BuiltInBitmapSize(name);
  if (!size) return std::nullopt;
  return std::pair{size->width, size->height};
}

}  // namespace velmar
