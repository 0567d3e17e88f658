#include "ui/caption.h"

#include <algorithm>

namespace velmar::ui {
namespace {

std::string ReplaceMarks(std::string_view caption, std::string_view mark) {
  std::string out;
  out.reserve(caption.size() + 1);
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&' || i + 1 == caption.size()) {
      out += caption[i];
    } else if (caption[i + 1] == '&') {
      out += '&';
      ++i;
    } else {
      out += mark;
    }
  }
  return out;
}

}  // namespace

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

std::string StripMnemonic(std::string_view caption) { return ReplaceMarks(caption, ""); }

std::string MarkMnemonic(std::string_view caption) { return ReplaceMarks(caption, "_"); }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  return true;
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return UpperAscii(x) < UpperAscii(y); });
}

}  // namespace velmar::ui
