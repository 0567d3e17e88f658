#pragma once
// The files of a test's drive as the installer sees them: its Windows folder
// lies inside the drive, so an installation record or a copied library never
// reaches the machine's own, and FailingFiles' faults are there for the tests
// that want them.

#include <memory>
#include <string>
#include <vector>

#include "support/failing_files.h"

namespace velmar::test {

class InstallerFiles : public FailingFiles {
 public:
  InstallerFiles(platform::FileSystem& inner, std::string windowsFolder)
      : FailingFiles(inner), windowsFolder_(std::move(windowsFolder)) {}
  std::string windowsFolder() override { return windowsFolder_; }
  std::string systemFolder() override { return windowsFolder_ + "\\System32"; }
  std::unique_ptr<platform::OpenFile> openRead(const std::string& path) override;

  // How often a file was opened for reading (the path compared without regard to case).
  int Opened(const std::string& path) const;

 private:
  std::string windowsFolder_;
  std::vector<std::string> opened_;
};

}  // namespace velmar::test
