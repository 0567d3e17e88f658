#include "formats/ini_document.h"

#include <algorithm>

#include "base/trim.h"
#include "base/codepage.h"
#include "base/text_case.h"

namespace velmar {
namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// Blanks around names and values: space, tab and vertical tab, as Windows has them.
std::string Trim(std::string_view s) {
  return std::string(TrimmedBy(s, [](char c) { return c == ' ' || c == '\t' || c == '\v'; }));
}

// A value as the profile functions return it: trimmed, and one pair of
// matching single or double quotes removed (they let a value keep blanks).
std::string ValueOf(std::string_view raw) {
  std::string v = Trim(raw);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    return v.substr(1, v.size() - 2);
  }
  return v;
}

bool HasLineBreakOrNul(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace

IniDocument::Line IniDocument::Classify(std::string text, std::string ending) {
  Line line;
  // The profile functions see text up to a NUL byte only; the rest is kept.
  const std::string meaning = Trim(std::string_view(text).substr(0, text.find('\0')));
  line.text = std::move(text);
  line.ending = std::move(ending);
  if (meaning.empty() || meaning.front() == ';') return line;
  if (meaning.front() == '[') {
    const size_t close = meaning.find(']');
    line.kind = Kind::Section;
    line.name = Trim(std::string_view(meaning).substr(1, close == std::string::npos ? close : close - 1));
    return line;
  }
  const size_t eq = meaning.find('=');
  if (eq == std::string::npos) return line;  // neither key nor section: kept, not read
  line.name = Trim(std::string_view(meaning).substr(0, eq));
  if (line.name.empty()) return line;
  line.kind = Kind::Key;
  line.value = meaning.substr(eq + 1);
  return line;
}

IniDocument IniDocument::Parse(std::string_view bytes, CodePage ansiCodePage) {
  IniDocument doc;
  doc.page_ = ansiCodePage;
  std::string text;
  if (bytes.substr(0, Utf8Bom.size()) == Utf8Bom) {
    doc.utf8_ = true;
    text = bytes.substr(Utf8Bom.size());
  } else {
    text = DecodeToUtf8(bytes, ansiCodePage);
  }
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r') continue;
    const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    std::string ending = crlf ? "\r\n" : std::string(1, text[i]);
    doc.lines_.push_back(Classify(text.substr(start, i - start), std::move(ending)));
    if (crlf) ++i;
    start = i + 1;
  }
  if (start < text.size()) doc.lines_.push_back(Classify(text.substr(start), ""));
  return doc;
}

std::string IniDocument::Serialize() const {
  std::string text;
  for (const Line& line : lines_) text += line.text + line.ending;
  return utf8_ ? std::string(Utf8Bom) + text : EncodeFromUtf8(text, page_);
}

std::string IniDocument::Stored(std::string_view text) const {
  if (utf8_) return std::string(text);
  return DecodeToUtf8(EncodeFromUtf8(text, page_), page_);
}

std::optional<std::string> IniDocument::Wanted(std::string_view name) const {
  try {
    return UpperCaseText(Stored(Trim(name)));
  } catch (const CodePageError&) {
    return std::nullopt;  // a file that could be read holds no such name
  }
}

std::optional<size_t> IniDocument::FindSection(std::string_view section) const {
  const auto wanted = Wanted(section);
  if (!wanted) return std::nullopt;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Kind::Section && UpperCaseText(lines_[i].name) == *wanted) return i;
  }
  return std::nullopt;
}

std::optional<size_t> IniDocument::FindKey(std::string_view section, std::string_view key) const {
  const auto header = FindSection(section);
  const auto wantedKey = Wanted(key);
  if (!header || !wantedKey) return std::nullopt;
  for (size_t i = *header + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i) {
    if (lines_[i].kind == Kind::Key && UpperCaseText(lines_[i].name) == *wantedKey) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
  const auto i = FindKey(section, key);
  if (!i) return std::nullopt;
  return ValueOf(lines_[*i].value);
}

std::vector<std::string> IniDocument::Sections() const {
  std::vector<std::string> sections;
  std::vector<std::string> seen;
  for (const Line& line : lines_) {
    if (line.kind != Kind::Section) continue;
    std::string folded = UpperCaseText(line.name);
    if (std::find(seen.begin(), seen.end(), folded) != seen.end()) continue;
    seen.push_back(std::move(folded));
    sections.push_back(line.name);
  }
  return sections;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  const auto header = FindSection(section);
  if (!header) return keys;
  for (size_t i = *header + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i) {
    if (lines_[i].kind == Kind::Key) keys.push_back(lines_[i].name);
  }
  return keys;
}

std::string IniDocument::CanStore(std::string_view section, std::string_view key,
                                  std::string_view value) {
  if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) || HasLineBreakOrNul(value)) {
    return "a name or value holds a line break";
  }
  const std::string s = Trim(section), k = Trim(key);
  if (s.empty() || s.find(']') != std::string::npos) return "invalid section name [" + s + "]";
  if (k.empty() || k.find('=') != std::string::npos || k.front() == '[' || k.front() == ';') {
    return "invalid key name \"" + k + "\"";
  }
  return "";
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (const auto i = FindKey(section, key)) {
    Line& line = lines_[*i];
    line = Classify(line.name + "=" + Stored(value), "\r\n");
    return;
  }
  Line added = Classify(Stored(Trim(key)) + "=" + Stored(value), "\r\n");
  if (const auto header = FindSection(section)) {
    size_t at = *header + 1;
    for (size_t j = at; j < lines_.size() && lines_[j].kind != Kind::Section; ++j) {
      if (lines_[j].kind == Kind::Key) at = j + 1;
    }
    if (lines_[at - 1].ending.empty()) lines_[at - 1].ending = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(added));
    return;
  }
  if (!lines_.empty() && lines_.back().ending.empty()) lines_.back().ending = "\r\n";
  std::string header = "[";
  header += Stored(Trim(section));
  header += ']';
  lines_.push_back(Classify(std::move(header), "\r\n"));
  lines_.push_back(std::move(added));
}

}  // namespace velmar
