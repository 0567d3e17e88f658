#include "support/files/temp_drive.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

#include "platform/posix/files/posix_files.h"

namespace velmar::test {

struct TempDrive::Port {
  std::string base;  // holds one folder per drive letter
  platform::PosixFileSystem fs;
};

namespace {

std::string MakeDriveFolder(const std::string& base, char letter) {
  std::string folder = base + "/" + letter;
  std::filesystem::create_directories(folder);
  return folder;
}

// The first letter from D: that names no drive; Z: when all do.
char FreeLetter(platform::PosixFileSystem& fs) {
  char letter = 'D';
  while (letter < 'Z' && fs.drives().find(letter)) ++letter;
  return letter;
}

}  // namespace

TempDrive::TempDrive() : port_(std::make_unique<Port>()) {
  std::string pattern = std::filesystem::temp_directory_path().string() + "/velmar-test-XXXXXX";
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("TempDrive: mkdtemp failed");
  port_->base = pattern;
  port_->fs.drives().map('T', MakeDriveFolder(port_->base, 'T'), platform::DriveType::Fixed);
  std::string c = MakeDriveFolder(port_->base, 'C');
  std::filesystem::create_directories(c + "/Windows/System32");
  port_->fs.drives().map('C', c, platform::DriveType::Fixed);
  root_ = "T:\\";
  port_->fs.setCurrentFolder(root_);
}

TempDrive::~TempDrive() {
  std::error_code ignored;
  std::filesystem::remove_all(port_->base, ignored);
}

platform::FileSystem& TempDrive::fs() { return port_->fs; }

std::optional<std::string> TempDrive::addDrive(platform::DriveType type) {
  const char letter = FreeLetter(port_->fs);
  if (type == platform::DriveType::NoRoot || letter == 'Z') return std::nullopt;
  port_->fs.drives().map(letter, MakeDriveFolder(port_->base, letter), type);
  return std::string{letter, ':', '\\'};
}

std::optional<std::string> TempDrive::aliasDrive(std::string_view relative) {
  const char letter = FreeLetter(port_->fs);
  if (letter == 'Z') return std::nullopt;
  port_->fs.drives().map(letter, hostPath(relative), platform::DriveType::Fixed);
  return std::string{letter, ':', '\\'};
}

std::vector<std::string> TempDrive::privateRoots() const {
  std::vector<std::string> roots{root_};
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const auto* mapping = port_->fs.drives().find(letter);
    // Z: is the host's root unless the test mapped it.
    if (letter != 'T' && mapping && mapping->hostFolder.starts_with(port_->base + "/"))
      roots.push_back(std::string{letter, ':', '\\'});
  }
  return roots;
}

std::string TempDrive::hostRoot() const { return port_->base + "/T/"; }

}  // namespace velmar::test
