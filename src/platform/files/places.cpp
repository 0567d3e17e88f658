#include "platform/files/places.h"

#include <algorithm>

#include "base/path_utils.h"

namespace velmar::platform {

bool SamePlace(FileSystem& fs, const std::string& a, const std::string& b) {
  const auto first = fs.identity(a);
  const auto second = fs.identity(b);
  if (first || second) return first == second;
  return SamePath(WithoutBackslash(a), WithoutBackslash(b), fs.currentFolder());
}

bool IsAtOrInside(FileSystem& fs, const std::string& path, const std::string& folder) {
  const auto place = fs.identity(folder);
  if (!place) return false;
  const auto chain = fs.placeChain(path);
  return std::find(chain.begin(), chain.end(), *place) != chain.end();
}

}  // namespace velmar::platform
