#pragma once
// The file system as the installer needs it from the operating system.
// Paths are Windows paths ("C:\Velmar\Install\Setup.ini"), UTF-8 encoded.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/byte_stream.h"
#include "base/file_types.h"

namespace velmar::platform {

enum class DriveType { Unknown, NoRoot, Removable, Fixed, Remote, CdRom, RamDisk };

struct DirEntry {
  std::string name;  // the name only, no folder
  uint32_t attributes = 0;
  uint64_t size = 0;
  FileTimes times;
};

// Windows system error codes that callers may see (DeleteFileForced returns them).
namespace error {
constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;
constexpr int AccessDenied = 5;
constexpr int SharingViolation = 32;
constexpr int DiskFull = 112;
}  // namespace error

class OpenFile : public ByteStream {
 public:
  // Bytes written (fewer than asked when the disk is full), or -1 on failure.
  virtual int64_t write(const void* data, size_t size) = 0;
  // Sets the times as FileSystem::setFileTimes does, on the open file: no
  // second open by name. Set after the last write, which would change them.
  virtual bool setTimes(const FileTimes& times) = 0;
  // Flushes and closes; false when buffered data could not be written.
  virtual bool close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // FindFirstFile-style search: "C:\Velmar\Velmar*.zip", "C:\X\*.*". Entries of
  // every attribute kind, "." and ".." included where the system gives them
  // (every folder but a drive's root), first, then the other names in the
  // order NTFS lists a folder (names compared upper-cased). Wildcards follow
  // MatchesWildcard (base/wildcard.h) on every port. Nothing found, or a
  // missing folder, gives an empty list.
  virtual std::vector<DirEntry> find(const std::string& pattern) = 0;

  // Attributes of a file or folder; nullopt when it does not exist. Read-only
  // on a folder is not kept. Wine reports archive on every file.
  virtual std::optional<uint32_t> attributes(const std::string& path) = 0;
  virtual bool setAttributes(const std::string& path, uint32_t attributes) = 0;
  virtual std::optional<FileTimes> fileTimes(const std::string& path) = 0;
  // A time of 0 is left as it is. POSIX cannot set the creation time; there
  // the call succeeds when the other times were set.
  virtual bool setFileTimes(const std::string& path, const FileTimes& times) = 0;

  // Shared read: others may read and write the file meanwhile.
  virtual std::unique_ptr<OpenFile> openRead(const std::string& path) = 0;
  // Creates the file, replacing an existing one; fails (nullptr) for a
  // read-only, hidden or system file, as Windows does. Others may read it
  // while it is open.
  virtual std::unique_ptr<OpenFile> create(const std::string& path) = 0;
  // Opens an existing, writable file for writing at its end.
  virtual std::unique_ptr<OpenFile> openAppend(const std::string& path) = 0;

  // 0 on success, otherwise a Windows system error code: 2 no such file, 3 no
  // such folder, 5 a read-only file or a folder.
  virtual int deleteFile(const std::string& path) = 0;
  // Renames a file over another, replacing it in one step; false when the
  // target is read-only.
  virtual bool replaceFile(const std::string& from, const std::string& to) = 0;
  virtual bool createFolder(const std::string& path) = 0;
  virtual bool removeFolder(const std::string& path) = 0;

  // Absolute, without a trailing backslash except at a root.
  virtual std::string currentFolder() = 0;
  virtual bool setCurrentFolder(const std::string& path) = 0;

  // Type of a drive root such as "C:\"; NoRoot for other paths and unknown drives.
  virtual DriveType driveType(const std::string& root) = 0;
  // As the system reports them (no trailing backslash).
  virtual std::string windowsFolder() = 0;
  virtual std::string systemFolder() = 0;

  // The fixed file version of a program's version resource; nullopt when it has none.
  virtual std::optional<VersionNumbers> fileVersion(const std::string& path) = 0;
};

}  // namespace velmar::platform
