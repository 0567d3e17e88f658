// Code page conversion: any bytes decode to valid UTF-8 and encode back to
// the same bytes; any text encodes; UTF-16 conversion keeps valid text.
#include <cstdlib>

#include "base/utf16.h"
#include "base/codepage.h"
#include "base/text_case.h"

using namespace velmar;

namespace {

bool ValidUtf8(std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    size_t start = pos;
    char32_t cp = NextCodePoint(text, pos);
    if (pos <= start || pos > text.size()) std::abort();  // always moves on, never past the end
    if (cp == 0xFFFD && text.substr(start, 3) != "\xEF\xBF\xBD") return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (CodePage page : {CodePage::Cp437, CodePage::Cp1250, CodePage::Cp1252}) {
    const std::string utf8 = DecodeToUtf8(bytes, page);
    if (!ValidUtf8(utf8) || EncodeFromUtf8(utf8, page) != bytes) std::abort();
    EncodeFromUtf8(bytes, page);
  }
  const bool valid = ValidUtf8(bytes);
  const std::string back = Utf16ToUtf8(Utf8ToUtf16(bytes));
  if (valid && back != bytes) std::abort();
  UpperCaseText(bytes);
  LowerCaseText(bytes);
  SameText(bytes, bytes);
  return 0;
}
