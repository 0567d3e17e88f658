// Code page conversion: any bytes decode to valid UTF-8 and encode back to
// the same bytes; any text encodes; UTF-16 conversion keeps valid text.
#include <cstdlib>

#include "base/utf16.h"
#include "base/codepage.h"
#include "base/text_case.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (CodePage page : {CodePage::Cp437, CodePage::Cp1250, CodePage::Cp1252}) {
    const std::string utf8 = DecodeToUtf8(bytes, page);
    if (!IsValidUtf8(utf8) || EncodeFromUtf8(utf8, page) != bytes) std::abort();
    EncodeFromUtf8(bytes, page);
  }
  for (size_t pos = 0; pos < bytes.size();) {
    const size_t start = pos;
    NextCodePoint(bytes, pos);
    if (pos <= start || pos > bytes.size()) std::abort();  // always moves on, never past the end
  }
  const bool valid = IsValidUtf8(bytes);
  const std::string back = Utf16ToUtf8(Utf8ToUtf16(bytes));
  if (valid && back != bytes) std::abort();
  UpperCaseText(bytes);
  SameText(bytes, bytes);
  return 0;
}
