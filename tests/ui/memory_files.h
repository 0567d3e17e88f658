#pragma once
// Files held in memory, for reading picture headers without a disk.

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

#include "platform/files.h"

namespace velmar::ui::testing {

class MemoryFile : public platform::OpenFile {
 public:
  explicit MemoryFile(std::string bytes) : bytes_(std::move(bytes)) {}
  int64_t read(void* buffer, size_t size) override {
    size_t count = std::min(size, bytes_.size() - std::min(pos_, bytes_.size()));
    std::memcpy(buffer, bytes_.data() + pos_, count);
    pos_ += count;
    return int64_t(count);
  }
  int64_t write(const void*, size_t) override { return -1; }
  bool seek(uint64_t offset) override {
    pos_ = size_t(offset);
    return true;
  }
  std::optional<uint64_t> size() override { return bytes_.size(); }
  bool close() override { return true; }

 private:
  std::string bytes_;
  size_t pos_ = 0;
};

// Only reading is used; everything else answers "no".
class MemoryFileSystem : public platform::FileSystem {
 public:
  std::map<std::string, std::string> files;

  std::unique_ptr<platform::OpenFile> openRead(const std::string& path) override {
    auto found = files.find(path);
    if (found == files.end()) return nullptr;
    return std::make_unique<MemoryFile>(found->second);
  }
  std::vector<platform::DirEntry> find(const std::string&) override { return {}; }
  std::optional<uint32_t> attributes(const std::string&) override { return std::nullopt; }
  bool setAttributes(const std::string&, uint32_t) override { return false; }
  std::optional<FileTimes> fileTimes(const std::string&) override { return std::nullopt; }
  bool setFileTimes(const std::string&, const FileTimes&) override { return false; }
  std::unique_ptr<platform::OpenFile> create(const std::string&) override { return nullptr; }
  std::unique_ptr<platform::OpenFile> openAppend(const std::string&) override { return nullptr; }
  int deleteFile(const std::string&) override { return platform::error::AccessDenied; }
  bool replaceFile(const std::string&, const std::string&) override { return false; }
  bool createFolder(const std::string&) override { return false; }
  bool removeFolder(const std::string&) override { return false; }
  std::string currentFolder() override { return "C:\\"; }
  bool setCurrentFolder(const std::string&) override { return false; }
  platform::DriveType driveType(const std::string&) override { return platform::DriveType::Fixed; }
  std::string windowsFolder() override { return "C:\\Windows"; }
  std::string systemFolder() override { return "C:\\Windows\\System32"; }
  std::optional<VersionNumbers> fileVersion(const std::string&) override { return std::nullopt; }
};

}  // namespace velmar::ui::testing
