#include "session/install_session.h"

#include <algorithm>

#include "platform/files/places.h"

namespace velmar {

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto up = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; };
    return static_cast<unsigned char>(up(x)) < static_cast<unsigned char>(up(y));
  });
}

bool KeptByUser(platform::FileSystem& fs, const InstallSession& s, const std::string& path) {
  return std::any_of(s.KeptFiles.begin(), s.KeptFiles.end(),
                     [&](const std::string& kept) { return platform::SamePlace(fs, kept, path); });
}

void KeepForUser(InstallSession& s, const std::string& path) { s.KeptFiles.push_back(path); }

}  // namespace velmar
