#pragma once
// Windows paths as the POSIX port sees them: a drive letter and a list of
// names, resolved against the current folder the way Windows does it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar::platform {

struct AbsolutePath {
  char drive = 'C';                     // upper case
  std::vector<std::string> components;  // no "." or "..", none empty

  bool isRoot() const { return components.empty(); }
  // "C:\" for a root, else "C:\A\B" (no trailing backslash).
  std::string text() const;
};

// Makes `path` absolute against `currentFolder` (an absolute Windows path) by
// the core's rules (FullPathName): "\" and "/" as separators, "C:\x", "C:x",
// "\x", "x", "\\?\C:\x"; ".." stops at the root; trailing dots and blanks of
// a name are dropped, so "name." and "name " are "name". UNC paths and names
// with characters Windows forbids (< > : " | ? * and control characters)
// give nullopt.
std::optional<AbsolutePath> ResolveWindowsPath(std::string_view path, std::string_view currentFolder);

}  // namespace velmar::platform
