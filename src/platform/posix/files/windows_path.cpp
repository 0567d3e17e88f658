#include "platform/posix/files/windows_path.h"

#include "base/path_utils.h"

namespace velmar::platform {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char UpperDrive(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool IsValidName(std::string_view name) {
  for (unsigned char c : name)
    if (c < 0x20 || std::string_view("<>:\"|?*").find(static_cast<char>(c)) != std::string_view::npos)
      return false;
  return true;
}

}  // namespace

std::string AbsolutePath::text() const {
  std::string out{drive, ':', '\\'};
  for (size_t i = 0; i < components.size(); ++i) {
    if (i > 0) out += '\\';
    out += components[i];
  }
  return out;
}

std::optional<AbsolutePath> ResolveWindowsPath(std::string_view path, std::string_view currentFolder) {
  if (path.starts_with("\\\\?\\")) path.remove_prefix(4);
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) return std::nullopt;
  // The core's rules of a full path: "." and "..", the current folder, and the
  // trailing dots and blanks Windows drops from a name.
  const std::string full = FullPathName(path, currentFolder);
  if (full.size() < 3 || !IsDriveLetter(full[0]) || full[1] != ':' || full[2] != '\\') return std::nullopt;
  AbsolutePath result;
  result.drive = UpperDrive(full[0]);
  for (size_t pos = 3; pos < full.size();) {
    size_t end = full.find('\\', pos);
    if (end == std::string::npos) end = full.size();
    const std::string_view name = std::string_view(full).substr(pos, end - pos);
    if (!name.empty()) {
      if (!IsValidName(name)) return std::nullopt;
      result.components.emplace_back(name);
    }
    pos = end + 1;
  }
  return result;
}

}  // namespace velmar::platform
