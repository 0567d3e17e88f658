#include "ui/drawing/bitmaps.h"

#include "base/text_case.h"
#include "ui/caption.h"

namespace velmar::ui {

std::optional<Size> BuiltInBitmapSize(std::string_view name) {
  for (const auto& bitmap : kBuiltInBitmaps)
    if (SameAsciiText(bitmap.name, name)) return Size{bitmap.width, bitmap.height};
  return std::nullopt;
}

}  // namespace velmar::ui
