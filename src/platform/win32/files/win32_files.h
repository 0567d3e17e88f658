#pragma once
// The file system on Windows, through the W functions.

#include "platform/files/file_system.h"

namespace velmar::platform {

class Win32FileSystem : public FileSystem {
 public:
  std::vector<DirEntry> find(const std::string& pattern) override;
  std::optional<uint32_t> attributes(const std::string& path) override;
  bool setAttributes(const std::string& path, uint32_t attributes) override;
  std::optional<FileTimes> fileTimes(const std::string& path) override;
  bool setFileTimes(const std::string& path, const FileTimes& times) override;
  std::unique_ptr<OpenFile> openRead(const std::string& path) override;
  std::unique_ptr<OpenFile> create(const std::string& path) override;
  std::unique_ptr<OpenFile> createNew(const std::string& path) override;
  std::unique_ptr<OpenFile> openAppend(const std::string& path) override;
  int deleteFile(const std::string& path) override;
  bool replaceFile(const std::string& from, const std::string& to, Flush flush) override;
  bool createFolder(const std::string& path) override;
  bool removeFolder(const std::string& path) override;
  std::optional<FileIdentity> identity(const std::string& path) override;
  std::vector<FileIdentity> placeChain(const std::string& path) override;
  std::unique_ptr<HeldLock> lockFolder(const std::string& folder) override;
  std::string currentFolder() override;
  bool setCurrentFolder(const std::string& path) override;
  DriveType driveType(const std::string& root) override;
  std::string windowsFolder() override;
  std::string systemFolder() override;
  std::optional<VersionNumbers> fileVersion(const std::string& path) override;
};

}  // namespace velmar::platform
