#include "base/text_case.h"

#include <algorithm>

#include "base/codepage.h"

namespace velmar {
namespace {

// Each letter by the table, keeping bytes that are not UTF-8 as they are.
std::string MapNameLetters(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[pos]);
    if (b < 0x80) {
      out += static_cast<char>(UpperCodePoint(b));
      ++pos;
      continue;
    }
    const size_t start = pos;
    const char32_t cp = NextCodePoint(utf8, pos);
    if (cp == 0xFFFD && utf8.substr(start, pos - start) != "\xEF\xBF\xBD")
      out.append(utf8.substr(start, pos - start));
    else
      AppendUtf8(out, UpperCodePoint(cp));
  }
  return out;
}

std::u16string UpperUtf16(std::string_view utf8) {
  std::u16string out;
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t cp = UpperCodePoint(NextCodePoint(utf8, pos));
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

template <typename Fold>
std::string MapAscii(std::string_view text, Fold fold) {
  std::string out(text);
  for (char& c : out) c = fold(c);
  return out;
}

}  // namespace

char32_t UpperCodePoint(char32_t cp) {
  if (cp >= U'a' && cp <= U'z') return cp - 32;
  if (cp < 0x80) return cp;
  if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 32;
  if (cp == 0xFF) return 0x178;
  if (cp >= 0x100 && cp <= 0x17F) {
    // Pairs of capital and small letter; the ranges below start on odd code points.
    const bool oddPairs = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
    if (cp == 0x131 || cp == 0x138 || cp == 0x149 || cp == 0x17F) return cp;
    if (oddPairs) return (cp % 2 == 0) ? cp - 1 : cp;
    return (cp % 2 == 1) ? cp - 1 : cp;
  }
  if (cp >= 0x3B1 && cp <= 0x3C9 && cp != 0x3C2) return cp - 32;
  if (cp >= 0x430 && cp <= 0x44F) return cp - 32;
  if (cp >= 0x450 && cp <= 0x45F) return cp - 80;
  return cp;
}

std::string UpperCaseText(std::string_view utf8) { return MapNameLetters(utf8); }

bool SameText(std::string_view a, std::string_view b) { return UpperCaseText(a) == UpperCaseText(b); }

bool NtfsNameLess(std::string_view a, std::string_view b) { return UpperUtf16(a) < UpperUtf16(b); }

std::string AsciiLowerCase(std::string_view text) {
  return MapAscii(text, [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; }

std::string AsciiUpperCase(std::string_view text) { return MapAscii(text, AsciiUpper); }

bool SameAsciiText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                             [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

bool AsciiTextLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return AsciiUpper(x) < AsciiUpper(y); });
}

}  // namespace velmar
