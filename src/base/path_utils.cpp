#include "base/path_utils.h"

#include <algorithm>
#include <vector>

#include "base/file_types.h"
#include "base/text_case.h"

namespace velmar {
namespace {

bool IsDelimiter(char c) { return c == '\\' || c == ':'; }

size_t NamePartStart(std::string_view path) {
  size_t i = path.size();
  while (i > 0 && !IsDelimiter(path[i - 1])) --i;
  return i;
}

bool HasDriveLetter(std::string_view path) { return path.size() >= 2 && path[1] == ':'; }

bool EndsInDotOrBlank(std::string_view name) { return !name.empty() && (name.back() == '.' || name.back() == ' '); }

// Joins the names below a root, resolving "." and "..". As Windows does, the
// name a path ends in loses the dots and blanks at its end, so "name." and
// "name " are "name", also when "." or ".." after it made it the last one
// ("name.\." is "name"); names inside the path keep theirs.
std::string ResolveNames(const std::string& root, std::string_view rest) {
  const std::string_view last = rest.substr(rest.rfind('\\') == std::string_view::npos ? 0 : rest.rfind('\\') + 1);
  const bool endsInDotName = last == "." || last == "..";
  if (!endsInDotName) {
    while (EndsInDotOrBlank(rest)) rest.remove_suffix(1);
  }
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= rest.size()) {
    size_t end = rest.find('\\', start);
    if (end == std::string_view::npos) end = rest.size();
    std::string name(rest.substr(start, end - start));
    start = end + 1;
    if (name == "..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != ".") {
      names.push_back(std::move(name));
    }
  }
  while (endsInDotName && !names.empty() && EndsInDotOrBlank(names.back())) {
    while (EndsInDotOrBlank(names.back())) names.back().pop_back();
    if (names.back().empty()) names.pop_back();
  }
  std::string out = root;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) out += '\\';
    out += names[i];
  }
  if (!names.empty() && !rest.empty() && rest.back() == '\\') out += '\\';
  return out;
}

}  // namespace

std::string WithBackslash(std::string_view path) {
  std::string out(path);
  if (!out.empty() && out.back() != '\\') out += '\\';
  return out;
}

std::string WithoutBackslash(std::string_view path) {
  if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return std::string(path);
}

std::string FileDrive(std::string_view path) {
  if (HasDriveLetter(path)) return std::string(path.substr(0, 2));
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    const size_t afterServer = path.find('\\', 2);
    if (afterServer == std::string_view::npos) return std::string(path);
    const size_t afterShare = path.find('\\', afterServer + 1);
    return std::string(path.substr(0, afterShare));
  }
  return "";
}

std::string FileFolderPart(std::string_view path) {
  return std::string(path.substr(0, NamePartStart(path)));
}

std::string FileNamePart(std::string_view path) {
  return std::string(path.substr(NamePartStart(path)));
}

std::string FileExtension(std::string_view path) {
  const std::string_view name = path.substr(NamePartStart(path));
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? "" : std::string(name.substr(dot));
}

std::string NameWithoutExt(std::string_view path) {
  std::string name = FileNamePart(path);
  name.resize(name.size() - FileExtension(name).size());
  return name;
}

std::string FullPathName(std::string_view path, std::string_view currentFolder) {
  std::string p(path);
  std::replace(p.begin(), p.end(), '/', '\\');
  if (p.empty()) return p;
  if (p.size() >= 2 && p[0] == '\\' && p[1] == '\\') return p;  // network path
  std::string current(currentFolder);
  std::replace(current.begin(), current.end(), '/', '\\');
  const bool currentIsAbsolute = current.size() >= 3 && HasDriveLetter(current) && current[2] == '\\';

  if (HasDriveLetter(p)) {
    if (p.size() >= 3 && p[2] == '\\') return ResolveNames(p.substr(0, 3), std::string_view(p).substr(3));
    // "C:name" is relative to the current folder when that is on the same drive.
    const bool sameDrive = currentIsAbsolute && SameText(current.substr(0, 2), p.substr(0, 2));
    const std::string base = sameDrive ? WithBackslash(current) : p.substr(0, 2) + "\\";
    return FullPathName(base + p.substr(2), "");
  }
  if (!currentIsAbsolute) return ResolveNames("", p);
  if (p[0] == '\\') return ResolveNames(current.substr(0, 3), std::string_view(p).substr(1));
  return FullPathName(WithBackslash(current) + p, "");
}

namespace {

std::optional<std::string> FullFolder(std::string_view path) {
  std::string p(path);
  std::replace(p.begin(), p.end(), '/', '\\');
  if (p.size() >= 3 && p[1] == ':' && p[2] == '\\') {
    std::string full = FullPathName(p, "");
    return full.size() > 3 ? WithoutBackslash(full) : full;
  }
  if (p.size() < 2 || p[0] != '\\' || p[1] != '\\') return std::nullopt;
  // A share: "\\server\share", then names resolved below it.
  const size_t server = p.find('\\', 2);
  if (server == std::string::npos || server == 2) return std::nullopt;
  const size_t share = p.find('\\', server + 1);
  const std::string root = p.substr(0, share);
  const std::string hostName = root.substr(2, server - 2);
  if (root.size() == server + 1 || hostName == "?" || hostName == ".") return std::nullopt;
  if (share == std::string::npos) return root;
  // Resolved as on a drive of its own, so that ".." stops at the share.
  const std::string rest = FullPathName("Q:\\" + p.substr(share + 1), "").substr(2);
  return rest.size() > 1 ? root + WithoutBackslash(rest) : root;
}

}  // namespace

std::optional<std::string> AbsoluteFolder(std::string_view path) {
  auto folder = FullFolder(path);
  if (folder && folder->size() > MaxFolderLength) return std::nullopt;
  return folder;
}

bool SamePath(std::string_view a, std::string_view b, std::string_view currentFolder) {
  return SameText(FullPathName(a, currentFolder), FullPathName(b, currentFolder));
}

std::string ParentFolder(std::string_view path, std::string_view currentFolder) {
  const std::string p = HasDriveLetter(path) ? std::string(path) : FullPathName(path, currentFolder);
  std::string_view s = p;
  if (!s.empty() && s.back() == '\\') s.remove_suffix(1);
  const size_t slash = s.rfind('\\');
  // The backslash must lie beyond the "C:" of the drive.
  if (slash != std::string_view::npos && slash >= 2) return p.substr(0, slash + 1);
  return p;
}

std::string Unquote(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    return std::string(text.substr(1, text.size() - 2));
  }
  return std::string(text);
}

std::string ValueAfterEquals(std::string_view text) {
  const size_t eq = text.find('=');
  if (eq == std::string_view::npos || eq == 0) return std::string(text);
  return std::string(text.substr(eq + 1));
}

bool IsImageFile(std::string_view name) {
  const std::string ext = UpperCaseText(FileExtension(name));
  return ext == ".BMP" || ext == ".JPG";
}

std::string PadNumber(int64_t value, int width, char fill) {
  std::string digits = std::to_string(value);
  if (width > 0 && digits.size() < static_cast<size_t>(width)) {
    digits.insert(0, static_cast<size_t>(width) - digits.size(), fill);
  }
  return digits;
}

bool IsPlainName(std::string_view name) {
  if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
  for (const char c : name)
    if (static_cast<unsigned char>(c) < ' ' || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
      return false;
  // Windows opens a device for its name whatever extension follows.
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  const std::string device = UpperCaseText(stem);
  if (device == "CON" || device == "PRN" || device == "AUX" || device == "NUL" || device == "CONIN$" ||
      device == "CONOUT$")
    return false;
  return !(device.size() == 4 && (device.starts_with("COM") || device.starts_with("LPT")) && device[3] >= '0' &&
           device[3] <= '9');
}

bool IsPlainRelativePath(std::string_view path) {
  for (size_t start = 0;;) {
    const size_t end = path.find('\\', start);
    if (!IsPlainName(path.substr(start, end - start))) return false;
    if (end == std::string_view::npos) return true;
    start = end + 1;
  }
}

bool IsFolderEntry(uint32_t attributes) { return (attributes & attr::Folder) != 0; }

bool IsPlainFileEntry(uint32_t attributes) {
  using namespace attr;
  return (attributes & (Hidden | System | VolumeLabel | Folder)) == 0;
}

}  // namespace velmar
