#include "support/installer_files.h"

#include "base/path_utils.h"

namespace velmar::test {

std::unique_ptr<platform::OpenFile> InstallerFiles::openRead(const std::string& path) {
  opened_.push_back(path);
  return FailingFiles::openRead(path);
}

int InstallerFiles::Opened(const std::string& path) const {
  int count = 0;
  for (const std::string& opened : opened_) count += SamePath(opened, path, "") ? 1 : 0;
  return count;
}

}  // namespace velmar::test
