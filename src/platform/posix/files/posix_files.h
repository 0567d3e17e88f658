#pragma once
// The file system on POSIX: Windows paths mapped to host folders through a
// drive table. Names are found without regard to case; new names keep the
// case given. Read-only is the lack of write permission (enforced by the port
// itself, so it also holds for root); hidden, system and archive live in the
// extended attribute user.DOSATTRIB as Samba and Wine keep it ("0x22").

#include <string>

#include "platform/files/file_system.h"
#include "platform/posix/files/drive_table.h"
#include "platform/posix/files/windows_path.h"

namespace velmar::platform {

class PosixFileSystem : public FileSystem {
 public:
  // Z: is "/"; the current folder is the process's, as a Windows path.
  PosixFileSystem();
  explicit PosixFileSystem(DriveTable drives);

  DriveTable& drives() { return drives_; }
  // Windows folder and system folder reported; C:\Windows and
  // C:\Windows\System32 unless set (they need not exist).
  void setSystemFolders(std::string windowsFolder, std::string systemFolder);

  // The host path a Windows path names (existing names found without regard
  // to case); nullopt for an unmapped drive or a malformed path.
  std::optional<std::string> hostPath(const std::string& path);
  // An absolute host path as a Windows path through the drive table.
  std::optional<std::string> windowsPath(const std::string& hostPath) const;

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

 private:
  std::optional<AbsolutePath> resolve(const std::string& path) const;
  std::optional<std::string> hostPathOf(const AbsolutePath& path) const;

  DriveTable drives_;
  std::string current_;
  std::string windowsFolder_ = "C:\\Windows";
  std::string systemFolder_ = "C:\\Windows\\System32";
};

}  // namespace velmar::platform
