#include "platform/files/host_files.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/posix/files/posix_files.h"

namespace velmar::platform {

namespace {

// "/a/./b/../c" -> "/a/c", without looking at the disk.
std::string NormalizeHostPath(const std::string& path) {
  std::vector<std::string> names;
  for (size_t pos = 0; pos <= path.size();) {
    size_t end = path.find('/', pos);
    if (end == std::string::npos) end = path.size();
    std::string name = path.substr(pos, end - pos);
    if (name == "..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != ".") {
      names.push_back(name);
    }
    pos = end + 1;
  }
  std::string out;
  for (const std::string& name : names) out += "/" + name;
  return out.empty() ? "/" : out;
}

DriveTable TableFromEnvironment() {
  const char* text = std::getenv("VELMAR_DRIVES");
  return ParseDriveTable(text ? text : "");
}

}  // namespace

std::unique_ptr<FileSystem> MakeHostFileSystem() {
  return std::make_unique<PosixFileSystem>(TableFromEnvironment());
}

std::string HostPathToWindows(const std::string& hostPath) {
  std::string absolute = hostPath;
  if (absolute.empty() || absolute[0] != '/') {
    if (char* cwd = ::getcwd(nullptr, 0)) {
      absolute = std::string(cwd) + (absolute.empty() ? "" : "/" + absolute);
      std::free(cwd);
    }
  }
  absolute = NormalizeHostPath(absolute);
  return TableFromEnvironment().toWindows(absolute).value_or(absolute);
}

}  // namespace velmar::platform
