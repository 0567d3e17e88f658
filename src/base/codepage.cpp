#include "base/codepage.h"

#include "base/codepage_tables.h"

namespace velmar {
namespace {

// The characters of bytes 0x80 to 0xFF; nothing for a code page not converted.
const char16_t* UpperHalf(CodePage page) {
  switch (page) {
    case CodePage::Cp437: return codepage_tables::Cp437Upper;
    case CodePage::Cp1250: return codepage_tables::Cp1250Upper;
    case CodePage::Cp1252: return codepage_tables::Cp1252Upper;
  }
  return nullptr;
}

bool IsAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

bool CanConvert(CodePage page) { return UpperHalf(page) != nullptr; }

CodePageError::CodePageError(CodePage page)
    : InstallerError("the installer cannot convert letters beyond ASCII in code page " +
                     std::to_string(CodePageNumber(page))),
      page_(page) {}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char32_t NextCodePoint(std::string_view s, size_t& pos) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(pos);
  int extra = 0;
  char32_t cp = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07;
  } else {
    ++pos;
    return 0xFFFD;
  }
  if (pos + extra >= s.size()) {
    ++pos;
    return 0xFFFD;
  }
  for (int i = 1; i <= extra; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    cp = (cp << 6) | (byte(pos + i) & 0x3F);
  }
  // Overlong forms ("\xC0\xAF" for "/"), surrogates and values past U+10FFFF
  // are not UTF-8: they would let one character pass for another.
  static constexpr char32_t Smallest[] = {0, 0x80, 0x800, 0x10000};
  if (cp < Smallest[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
    ++pos;
    return 0xFFFD;
  }
  pos += extra + 1;
  return cp;
}

std::string DecodeToUtf8(std::string_view bytes, CodePage page) {
  const char16_t* upper = UpperHalf(page);
  if (!upper) {
    if (!IsAscii(bytes)) throw CodePageError(page);
    return std::string(bytes);
  }
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    AppendUtf8(out, b < 0x80 ? char32_t(b) : char32_t(upper[b - 0x80]));
  }
  return out;
}

std::string EncodeFromUtf8(std::string_view utf8, CodePage page) {
  const char16_t* upper = UpperHalf(page);
  if (!upper) {
    if (!IsAscii(utf8)) throw CodePageError(page);
    return std::string(utf8);
  }
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t cp = NextCodePoint(utf8, pos);
    if (cp < 0x80) {
      out += static_cast<char>(cp);
      continue;
    }
    char mapped = '?';
    for (int i = 0; i < 128; ++i) {
      if (upper[i] == cp) {
        mapped = static_cast<char>(0x80 + i);
        break;
      }
    }
    out += mapped;
  }
  return out;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    const size_t start = pos;
    if (NextCodePoint(text, pos) == 0xFFFD && text.substr(start, pos - start) != "\xEF\xBF\xBD") return false;
  }
  return true;
}

}  // namespace velmar
