#include "session/install_session.h"

#include <algorithm>

namespace velmar {

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto up = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; };
    return static_cast<unsigned char>(up(x)) < static_cast<unsigned char>(up(y));
  });
}

}  // namespace velmar
