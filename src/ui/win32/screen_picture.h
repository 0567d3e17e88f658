#pragma once
// Pictures of what is on the screen, saved as BMP files.

#include <string>

#include "platform/win32/windows_api.h"

namespace velmar::ui::win32 {

// Saves the part of the screen (the whole screen for an empty rectangle);
// false when it cannot be captured or written.
bool SaveScreenPicture(const std::wstring& file, RECT part);

}  // namespace velmar::ui::win32
