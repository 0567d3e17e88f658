#include "common/language_source.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <vector>

#include "base/codepage.h"
#include "base/errors.h"
#include "formats/language_file.h"

namespace velmar {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string CodePageName(CodePage page) { return std::to_string(CodePageNumber(page)); }

std::string CodePointName(char32_t cp) {
  static const char* hex = "0123456789ABCDEF";
  std::string digits;
  for (int shift = cp > 0xFFFF ? 20 : 12; shift >= 0; shift -= 4) digits += hex[(cp >> shift) & 0xF];
  return "U+" + digits;
}

class Parser {
 public:
  LanguageSource Run(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    int lineNumber = 0;
    size_t pos = 0;
    while (true) {
      const size_t end = std::min(text.find('\n', pos), text.size());
      std::string_view line = text.substr(pos, end - pos);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      ParseLine(line, ++lineNumber);
      if (end == text.size()) break;
      pos = end + 1;
    }
    if (!haveHeader_) Fault(lineNumber, "the header \"language NN\" (the language code) is missing");
    if (!faults_.empty()) throw InstallerError(faults_);
    return std::move(result_);
  }

 private:
  void ParseLine(std::string_view line, int lineNumber) {
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') return;
    if (!haveHeader_) {
      ParseHeader(line, lineNumber);
      return;
    }
    size_t digits = 0;
    while (digits < line.size() && IsDigit(line[digits])) ++digits;
    if (digits == 0) {
      Fault(lineNumber, "expected a text line: its number, a tab or a space, and the text");
      return;
    }
    if (digits < line.size() && !IsBlank(line[digits])) {
      Fault(lineNumber, "the number must be followed by a tab or a space");
      return;
    }
    const std::string_view number = line.substr(0, digits);
    const int id = number.size() > 6 ? -1 : std::stoi(std::string(number));
    if (id < 1 || size_t(id) > langfile::MaxTexts) {
      Fault(lineNumber, "text number " + std::string(number) + " is outside 1 to " +
                            std::to_string(langfile::MaxTexts) + " (the most a language file holds)");
      return;
    }
    const std::string_view raw = digits < line.size() ? line.substr(digits + 1) : std::string_view();
    std::string text;
    if (!Unescape(raw, lineNumber, text) || !CheckCharacters(text, lineNumber)) return;
    if (const auto seen = lines_.find(id); seen != lines_.end()) {
      Fault(lineNumber, "text number " + std::to_string(id) + " is given twice (first on line " +
                            std::to_string(seen->second) + ")");
      return;
    }
    lines_[id] = lineNumber;
    result_.texts[id] = std::move(text);
  }

  void ParseHeader(std::string_view line, int lineNumber) {
    static constexpr std::string_view keyword = "language";
    size_t pos = 0;
    bool ok = line.size() > keyword.size() && IsBlank(line[keyword.size()]);
    for (size_t i = 0; ok && i < keyword.size(); ++i)
      ok = std::tolower(static_cast<unsigned char>(line[i])) == keyword[i];
    int code = 0;
    if (ok) {
      pos = line.find_first_not_of(" \t", keyword.size());
      size_t digits = 0;
      while (pos != std::string_view::npos && pos + digits < line.size() && IsDigit(line[pos + digits])) ++digits;
      ok = digits >= 1 && digits <= 2 && line.find_first_not_of(" \t", pos + digits) == std::string_view::npos;
      if (ok) code = std::stoi(std::string(line.substr(pos, digits)));
    }
    if (!ok || code < 1) {
      Fault(lineNumber, "expected the header \"language NN\" with the language code (1 to 99), such as \"language 49\"");
    } else {
      result_.code = code;
      page_ = LanguageCodePage(code);
    }
    haveHeader_ = true;
  }

  bool Unescape(std::string_view raw, int lineNumber, std::string& out) {
    for (size_t i = 0; i < raw.size(); ++i) {
      const char c = raw[i];
      if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
        Fault(lineNumber, "control character " + CodePointName(static_cast<unsigned char>(c)) +
                              " in the text (write \\r, \\n or \\t)");
        return false;
      }
      if (c != '\\') {
        out += c;
        continue;
      }
      const char next = i + 1 < raw.size() ? raw[i + 1] : '\0';
      switch (next) {
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case '\\': out += '\\'; break;
        default:
          Fault(lineNumber, next == '\0' ? std::string("a single backslash ends the line (write \\\\)")
                                         : "unknown escape \\" + std::string(1, next) + " (write \\\\ for a backslash)");
          return false;
      }
      ++i;
    }
    return true;
  }

  bool CheckCharacters(const std::string& text, int lineNumber) {
    size_t pos = 0;
    while (pos < text.size()) {
      const size_t start = pos;
      const char32_t cp = NextCodePoint(text, pos);
      if (cp < 0x80 && cp != 0x7F) continue;
      if (cp == 0xFFFD && text.compare(start, 3, "\xEF\xBF\xBD") != 0) {
        Fault(lineNumber, "the text is not valid UTF-8");
        return false;
      }
      std::string one;
      AppendUtf8(one, cp);
      if ((cp >= 0x7F && cp <= 0x9F) || EncodeFromUtf8(one, page_) == "?") {
        Fault(lineNumber, "the character \"" + one + "\" (" + CodePointName(cp) + ") is not in code page " +
                              CodePageName(page_) + " of language " + std::to_string(result_.code));
        return false;
      }
    }
    if (EncodeFromUtf8(text, page_).size() > langfile::MaxTextLength) {
      Fault(lineNumber, "the text is longer than " + std::to_string(langfile::MaxTextLength) + " characters");
      return false;
    }
    return true;
  }

  void Fault(int lineNumber, const std::string& message) {
    if (!faults_.empty()) faults_ += '\n';
    faults_ += "line " + std::to_string(lineNumber) + ": " + message;
  }

  LanguageSource result_;
  CodePage page_ = CodePage::Cp1252;
  bool haveHeader_ = false;
  std::map<int, int> lines_;  // text number -> line
  std::string faults_;
};

std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

LanguageSource ParseLanguageSource(std::string_view utf8) { return Parser().Run(utf8); }

std::string FormatLanguageSource(const LanguageSource& source, std::string_view heading) {
  std::string out;
  size_t pos = 0;
  while (pos < heading.size()) {
    const size_t end = std::min(heading.find('\n', pos), heading.size());
    out += "# ";
    out += heading.substr(pos, end - pos);
    out += '\n';
    pos = end + 1;
  }
  out += "language " + std::to_string(source.code) + "\n";
  for (auto it = source.texts.begin(); it != source.texts.end(); ++it) {
    // Empty texts read the same as missing ones, except the last, which keeps
    // the number of entries.
    if (it->second.empty() && std::next(it) != source.texts.end()) continue;
    out += std::to_string(it->first);
    if (!it->second.empty()) out += '\t' + Escape(it->second);
    out += '\n';
  }
  return out;
}

}  // namespace velmar
