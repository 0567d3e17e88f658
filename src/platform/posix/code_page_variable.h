#pragma once
// The system's ANSI code page on POSIX, where no system keeps one: 1252
// unless the environment variable VELMAR_CODEPAGE names another by its
// Windows number ("1250").

#include <string_view>

#include "base/codepage.h"

namespace velmar::platform {

// The value of VELMAR_CODEPAGE: empty gives 1252; anything but a number from
// 1 to 65535 raises InstallerError. The number is taken as it is, converted
// or not (CanConvert).
CodePage ParseCodePageVariable(std::string_view text);

}  // namespace velmar::platform
