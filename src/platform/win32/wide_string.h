#pragma once
// UTF-8 strings to the UTF-16 strings of the W functions and back.

#include <string>
#include <string_view>

#include "platform/utf16.h"

namespace velmar::platform::win32 {

inline std::wstring ToWide(std::string_view utf8) {
  const std::u16string s = Utf8ToUtf16(utf8);
  return std::wstring(s.begin(), s.end());
}

inline std::string FromWide(std::wstring_view wide) { return Utf16ToUtf8(std::u16string(wide.begin(), wide.end())); }

}  // namespace velmar::platform::win32
