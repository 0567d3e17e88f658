#include "support/files/temp_drive.h"

#include <algorithm>
#include <stdexcept>

#include "base/path_utils.h"
#include "platform/files/file_contents.h"

namespace velmar::test {

std::vector<std::string> FolderNames(platform::FileSystem& fs, const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs.find(WithBackslash(folder) + "*.*"))
    if (entry.name != "." && entry.name != "..") names.push_back(entry.name);
  return names;
}

std::string TempDrive::path(std::string_view relative) const { return root_ + std::string(relative); }

void TempDrive::makeFolder(std::string_view relative) {
  for (size_t cut = 0; cut != std::string_view::npos;) {
    cut = relative.find('\\', cut + 1);
    fs().createFolder(path(relative.substr(0, cut)));
  }
}

void TempDrive::writeFile(std::string_view relative, std::string_view bytes) {
  size_t cut = relative.rfind('\\');
  if (cut != std::string_view::npos) makeFolder(relative.substr(0, cut));
  auto file = fs().create(path(relative));
  if (!file) throw std::runtime_error("TempDrive: cannot create " + path(relative));
  bool written = bytes.empty() || file->write(bytes.data(), bytes.size()) == static_cast<int64_t>(bytes.size());
  if (!file->close() || !written) throw std::runtime_error("TempDrive: cannot write " + path(relative));
}

std::string TempDrive::readFile(std::string_view relative) {
  auto content = platform::ReadFileContents(fs(), path(relative));
  if (!content) throw std::runtime_error("TempDrive: cannot read " + path(relative));
  return std::move(*content);
}

std::string TempDrive::hostPath(std::string_view relative) const {
  std::string host = hostRoot() + std::string(relative);
  std::replace(host.begin() + hostRoot().size(), host.end(), '\\', '/');
  return host;
}

bool TempDrive::exists(std::string_view relative) { return fs().attributes(path(relative)).has_value(); }

}  // namespace velmar::test
