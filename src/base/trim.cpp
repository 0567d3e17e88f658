#include "base/trim.h"

namespace velmar {

std::string_view TrimmedBy(std::string_view text, bool (*blank)(char)) {
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string TrimBlanks(std::string_view text) {
  return std::string(TrimmedBy(text, [](char c) { return static_cast<unsigned char>(c) <= ' '; }));
}

}  // namespace velmar
