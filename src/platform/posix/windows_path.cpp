#include "platform/posix/windows_path.h"

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

// Appends the names of `rest` to `into`, applying "." and "..".
bool AppendComponents(std::string_view rest, std::vector<std::string>& into) {
  size_t pos = 0;
  while (pos <= rest.size()) {
    size_t end = pos;
    while (end < rest.size() && !IsSeparator(rest[end])) ++end;
    std::string_view name = rest.substr(pos, end - pos);
    if (name == "..") {
      if (!into.empty()) into.pop_back();
    } else if (!name.empty() && name != ".") {
      if (!IsValidName(name)) return false;
      into.emplace_back(name);
    }
    pos = end + 1;
  }
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

  AbsolutePath result;
  if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':') {
    result.drive = UpperDrive(path[0]);
    path.remove_prefix(2);
    if (path.empty() || !IsSeparator(path[0])) {
      // "C:x" is relative to the current folder when that is on drive C.
      if (!currentFolder.empty() && UpperDrive(currentFolder[0]) == result.drive) {
        auto current = ResolveWindowsPath(currentFolder, "");
        if (!current) return std::nullopt;
        result.components = current->components;
      }
    }
  } else {
    if (currentFolder.size() < 2 || currentFolder[1] != ':') return std::nullopt;
    auto current = ResolveWindowsPath(currentFolder, "");
    if (!current) return std::nullopt;
    result.drive = current->drive;
    if (path.empty() || !IsSeparator(path[0])) result.components = current->components;
  }
  if (!AppendComponents(path, result.components)) return std::nullopt;
  return result;
}

}  // namespace velmar::platform
