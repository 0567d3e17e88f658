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

// What the file system knows a file or folder by: the same for every name of
// one place (a second drive letter, a link on the way, another case, a short
// name), different for different places.
struct FileIdentity {
  uint64_t volume = 0;
  uint64_t high = 0;
  uint64_t low = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// A lock this program holds; released when the object is dropped.
class HeldLock {
 public:
  virtual ~HeldLock() = default;
};

// Whether a replace first puts the new file's data on the disk. A settings
// file must be whole after a power cut; an extracted file is written again
// by the next run, and a flush each would cost an install its speed.
enum class Flush { Data, None };

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
  // Creates a new file: fails when anything has the name already, a link
  // included, so nothing is ever written through a name someone planted.
  // Others may read and write it while it is open.
  virtual std::unique_ptr<OpenFile> createNew(const std::string& path) = 0;
  // Opens an existing, writable plain file (not a link, not a folder) for
  // writing at its end: every write lands at the end, also when another
  // program appends to the file meanwhile.
  virtual std::unique_ptr<OpenFile> openAppend(const std::string& path) = 0;

  // 0 on success, otherwise a Windows system error code: 2 no such file, 3 no
  // such folder, 5 a read-only file or a folder.
  virtual int deleteFile(const std::string& path) = 0;
  // Renames a file over another, replacing it in one step; false when the
  // target is read-only or a folder. A link at the target is replaced, never
  // followed. With Flush::Data the new file's data reach the disk before the
  // rename and the rename itself before the call returns, so that after a
  // power cut the target holds either its old or its new content.
  virtual bool replaceFile(const std::string& from, const std::string& to, Flush flush) = 0;
  virtual bool createFolder(const std::string& path) = 0;
  virtual bool removeFolder(const std::string& path) = 0;

  // The identity of what the path names, links followed; nullopt when
  // nothing is there.
  virtual std::optional<FileIdentity> identity(const std::string& path) = 0;
  // The identities of the nearest existing place at or above the path (the
  // path itself when it exists), then of every folder above that one up to
  // its volume's root, as the file system resolves them: links followed, so
  // each is a real parent of the one before. Empty for a path on no drive.
  virtual std::vector<FileIdentity> placeChain(const std::string& path) = 0;
  // Holds changes in an existing folder against other installers doing the
  // same: a lock of the folder by another program or thread, by any of the
  // folder's names, waits until this one is dropped; the thread holding it
  // may take it again. Nothing when the folder does not exist.
  virtual std::unique_ptr<HeldLock> lockFolder(const std::string& folder) = 0;

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
