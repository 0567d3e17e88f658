#include "support/temp_drive.h"

#include <filesystem>
#include <stdexcept>

#include "platform/win32/win32_files.h"
#include "support/shell_ports.h"

namespace velmar::test {

struct TempDrive::Port {
  platform::Win32FileSystem fs;
  std::string previousFolder;
};

namespace {

// Removes a folder tree, clearing attributes that keep files from going.
void RemoveTree(platform::FileSystem& fs, const std::string& folder) {
  for (const auto& entry : fs.find(folder + "\\*")) {
    if (entry.name == "." || entry.name == "..") continue;
    std::string path = folder + "\\" + entry.name;
    fs.setAttributes(path, entry.attributes & attr::Folder ? 0 : attr::Archive);
    if (entry.attributes & attr::Folder)
      RemoveTree(fs, path);
    else
      fs.deleteFile(path);
  }
  fs.removeFolder(folder);
}

}  // namespace

TempDrive::TempDrive() : port_(std::make_unique<Port>()) {
  const std::string temp = std::filesystem::temp_directory_path().string();
  for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
    std::string candidate = temp;
    if (candidate.back() != '\\') candidate += '\\';
    candidate += UniqueName("velmar-test");
    if (port_->fs.createFolder(candidate)) root_ = candidate + "\\";
  }
  if (root_.empty()) throw std::runtime_error("TempDrive: cannot create a folder in " + temp);
  port_->previousFolder = port_->fs.currentFolder();
  port_->fs.setCurrentFolder(root_);
}

TempDrive::~TempDrive() {
  port_->fs.setCurrentFolder(port_->previousFolder);
  RemoveTree(port_->fs, root_.substr(0, root_.size() - 1));
}

platform::FileSystem& TempDrive::fs() { return port_->fs; }

// Windows makes drives of other types only through drivers or the shell.
std::optional<std::string> TempDrive::addDrive(platform::DriveType) { return std::nullopt; }

std::vector<std::string> TempDrive::privateRoots() const { return {root_}; }

std::string TempDrive::hostRoot() const { return root_; }

}  // namespace velmar::test
