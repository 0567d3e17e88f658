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

std::string StripMnemonic(std::string_view caption) { return ReplaceMarks(caption, ""); }

std::string MarkMnemonic(std::string_view caption) { return ReplaceMarks(caption, "_"); }

}  // namespace velmar::ui
