#pragma once
// UTF-8 (the program's strings) to UTF-16 (Windows calls, shell link files) and back.

#include <string>
#include <string_view>

namespace velmar {

// Invalid UTF-8 becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace velmar
