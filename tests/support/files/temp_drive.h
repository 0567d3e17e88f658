#pragma once
// A fresh, empty folder for one test, removed afterwards, reached through the
// port's real file system. On POSIX it is drive T: mapped to a new temporary
// folder (and C: to another one holding Windows\System32, so the Windows
// folder is writable and private to the test); on Windows a new folder under
// %TEMP%. The file system's current folder is the root while the drive lives.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files/file_system.h"

namespace velmar::test {

class TempDrive {
 public:
  TempDrive();
  ~TempDrive();
  TempDrive(const TempDrive&) = delete;
  TempDrive& operator=(const TempDrive&) = delete;

  // Windows path with a trailing backslash: "T:\" or "C:\...\Temp\velmar-1a2b\".
  const std::string& root() const { return root_; }
  platform::FileSystem& fs();

  // root() + relative; relative is written with backslashes ("Velmar\Setup.ini").
  std::string path(std::string_view relative) const;
  // Creates the missing folders on the way; throws when the file cannot be written.
  void writeFile(std::string_view relative, std::string_view bytes);
  // Throws when the file cannot be read.
  std::string readFile(std::string_view relative);
  bool exists(std::string_view relative);
  void makeFolder(std::string_view relative);

  // A further empty drive of the given type; its root ("D:\"), or nullopt
  // where the port cannot make one (the test then skips).
  std::optional<std::string> addDrive(platform::DriveType type);

  // A further drive letter for a folder of this drive, as SUBST or a mapped
  // share give one: "Q:\" naming root() + relative. Nullopt where the port
  // cannot make one (the test then skips). Gone again with the drive.
  std::optional<std::string> aliasDrive(std::string_view relative);

  // The roots that belong to this test alone, root() first: on POSIX every
  // drive it mapped (T:, C: with the Windows folder, those added), on Windows
  // root(). Whatever a run wrote, it wrote below one of them.
  std::vector<std::string> privateRoots() const;

  // Where the root lies on the host: a POSIX path on POSIX, the root itself on Windows.
  std::string hostRoot() const;
  // Where root() + relative lies on the host: hostRoot() + relative with slashes.
  std::string hostPath(std::string_view relative) const;

  struct Port;

 private:
  std::unique_ptr<Port> port_;
  std::string root_;
};

// The names in a folder (a full path), "." and ".." aside, as the file system lists them.
std::vector<std::string> FolderNames(platform::FileSystem& fs, const std::string& folder);

}  // namespace velmar::test
