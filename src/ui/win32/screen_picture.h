#pragma once
// Pictures of what is on the screen, as the bytes of BMP files.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/win32/windows_api.h"

namespace velmar::ui::win32 {

// The part of the screen (the whole screen for an empty rectangle) as the
// bytes of a BMP file; nothing when it cannot be captured.
std::optional<std::vector<uint8_t>> ScreenPicture(RECT part);

}  // namespace velmar::ui::win32
