#include "formats/zip/zip_names.h"

#include <algorithm>
#include <array>

#include "base/wildcard.h"
#include "formats/zip/zip_errors.h"

namespace velmar {
namespace {

std::vector<std::string_view> SplitParts(std::string_view name) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= name.size()) {
    size_t slash = std::min(name.find('/', start), name.size());
    std::string_view part = name.substr(start, slash - start);
    if (!part.empty() && part != ".") parts.push_back(part);
    start = slash + 1;
  }
  return parts;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Upper(x) == Upper(y); });
}

// Windows opens these devices whatever the extension: "nul.txt" is NUL.
bool IsDeviceName(std::string_view part) {
  std::string_view base = part.substr(0, part.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  static constexpr std::array<std::string_view, 6> Plain = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  for (auto device : Plain)
    if (EqualsNoCase(base, device)) return true;
  return base.size() == 4 && (EqualsNoCase(base.substr(0, 3), "COM") || EqualsNoCase(base.substr(0, 3), "LPT")) &&
         base[3] >= '1' && base[3] <= '9';
}

bool IsValidPart(std::string_view part) {
  for (unsigned char c : part)
    if (c < 0x20 || std::string_view("<>:\"|?*").find(char(c)) != std::string_view::npos) return false;
  // Windows drops a trailing dot or space, so "a." would become "a" and "... " a climb.
  if (part.back() == '.' || part.back() == ' ') return false;
  return !IsDeviceName(part);
}

}  // namespace

int CheckItemName(std::string_view name) {
  if (name.empty()) return zip_error::InvalidName;
  if (name.front() == '/' || name.front() == '\\') return zip_error::UnsafeName;
  if (name.size() >= 2 && name[1] == ':') return zip_error::UnsafeName;
  if (name.find('\\') != std::string_view::npos) return zip_error::UnsafeName;
  auto parts = SplitParts(name);
  // "./" (as some tools store it) is a folder entry for the base folder itself.
  if (parts.empty()) return name.back() == '/' ? 0 : zip_error::InvalidName;
  for (auto part : parts) {
    if (part == "..") return zip_error::UnsafeName;
    if (!IsValidPart(part)) return zip_error::InvalidName;
  }
  return 0;
}

std::vector<std::string> ItemNameParts(std::string_view name) {
  std::vector<std::string> parts;
  for (auto part : SplitParts(name)) parts.emplace_back(part);
  return parts;
}

bool MatchesMask(std::string_view itemName, std::string_view mask) {
  std::string pattern(mask);
  std::replace(pattern.begin(), pattern.end(), '\\', '/');
  std::string_view name = itemName;
  while (!name.empty() && name.back() == '/') name.remove_suffix(1);
  if (pattern.find('/') == std::string::npos) name = name.substr(name.rfind('/') + 1);
  return MatchesWildcard(pattern, name);
}

}  // namespace velmar
