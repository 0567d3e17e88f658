#include "base/text_case.h"

#include "base/codepage.h"

namespace velmar {
namespace {

// Latin Extended-A pairs its letters as upper/lower neighbours; the blocks
// below say which member of a pair is the capital.
bool EvenIsUpper(char32_t cp) {
  return (cp >= 0x100 && cp <= 0x12F) || (cp >= 0x132 && cp <= 0x137) ||
         (cp >= 0x14A && cp <= 0x177);
}
bool OddIsUpper(char32_t cp) {
  return (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
}

char32_t ToLower(char32_t cp) {
  if (cp >= 'A' && cp <= 'Z') return cp + 0x20;
  if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20;
  if (cp == 0x178) return 0xFF;
  if (EvenIsUpper(cp)) return cp | 1;
  if (OddIsUpper(cp) && (cp & 1)) return cp + 1;
  return cp;
}

char32_t ToUpper(char32_t cp) {
  if (cp >= 'a' && cp <= 'z') return cp - 0x20;
  if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 0x20;
  if (cp == 0xFF) return 0x178;
  if (EvenIsUpper(cp)) return cp & ~char32_t(1);
  if (OddIsUpper(cp) && !(cp & 1)) return cp - 1;
  return cp;
}

template <typename Map>
std::string MapText(std::string_view utf8, Map map) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const auto b = static_cast<unsigned char>(utf8[pos]);
    if (b < 0x80) {  // fast path, and keeps stray bytes out of the decoder
      out += static_cast<char>(map(b));
      ++pos;
      continue;
    }
    const size_t start = pos;
    const char32_t cp = NextCodePoint(utf8, pos);
    if (cp == 0xFFFD) {
      out.append(utf8.substr(start, pos - start));  // invalid bytes stay as they are
    } else {
      AppendUtf8(out, map(cp));
    }
  }
  return out;
}

}  // namespace

std::string LowerCaseText(std::string_view utf8) { return MapText(utf8, ToLower); }
std::string UpperCaseText(std::string_view utf8) { return MapText(utf8, ToUpper); }

bool SameText(std::string_view a, std::string_view b) {
  return LowerCaseText(a) == LowerCaseText(b);
}

}  // namespace velmar
