#pragma once
// The places the uninstallation must never reach, whatever the installation
// record, Setup.ini or Velmar.ini name. "At", "above" and "inside" are the
// file system's answers (the identity of a folder and of each folder above
// it), so a second drive letter, a linked parent or a short name changes
// nothing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files/file_system.h"

namespace velmar {

struct InstallerContext;

class ProtectedFolders {
 public:
  explicit ProtectedFolders(platform::FileSystem& fs) : fs_(&fs) {}

  // Nothing is removed at, above or inside the folder: the Windows and
  // system folders.
  void AddWhole(std::string_view folder);
  // The same, for a folder of the user's projects.
  void AddProjects(std::string_view folder);
  // Nothing is removed at or above the folder; what lies inside may be an
  // installation's own (a product in Program Files, shortcuts on the Desktop).
  void AddAtOrAbove(std::string_view folder);

  // A folder that may not be emptied or removed: not a full path, a drive's
  // root, at or above a protected folder, or inside a whole one.
  bool FolderRefused(std::string_view folder) const;
  // A file that may not be deleted: not a full path, or inside a whole one.
  bool FileRefused(std::string_view path) const;
  // A product folder whose files may not be removed: refused as a folder
  // is, except that it may lie above a projects folder, since only named
  // files of its own and checked folders are removed from it.
  bool ProductFolderRefused(std::string_view folder) const;

 private:
  struct Place {
    std::optional<platform::FileIdentity> identity;
    std::vector<platform::FileIdentity> chain;  // the place and every folder above it
    bool whole = false;
    bool projects = false;
  };
  void Add(std::string_view folder, bool whole, bool projects);
  bool Refused(std::string_view folder, bool aboveProjects) const;

  platform::FileSystem* fs_;
  std::vector<Place> places_;
};

// "C:\" or "\\server\share" (an absolute folder).
bool IsRootFolder(std::string_view absolute);

// A folder or its tree holds a project file (links not followed): it is a
// user's projects folder, whatever name it goes by.
bool HoldsProjectFiles(platform::FileSystem& fs, const std::string& folder, bool withSubfolders);

// The Windows and system folders; Program Files, ProgramData and the
// profiles as Windows lays them out beside the Windows folder and as the
// registry names them; the shell folders of the user and of all users; the
// session's projects folder and the folder of its project file.
ProtectedFolders FindProtectedFolders(InstallerContext& app);

}  // namespace velmar
