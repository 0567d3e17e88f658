#pragma once
// The folders the uninstallation must never reach, whatever the installation
// record, Setup.ini or Velmar.ini name: a drive root, the Windows folder and
// everything in it, the user's shell folders and profile, and the user's
// projects. The tests work on path text; the ports' links are kept out by
// the removal itself.

#include <string>
#include <string_view>
#include <vector>

namespace velmar {

struct InstallerContext;

// Absolute folders, each without a trailing backslash (a root keeps its own).
struct ProtectedFolders {
  // The Windows and system folders: nothing in them, and no folder above
  // them, is removed.
  std::vector<std::string> system;
  // The user's shell folders: no removal takes one of them or a folder above
  // (the profile, the folder of all profiles).
  std::vector<std::string> shell;
  // The user's projects: the same.
  std::vector<std::string> projects;

  // Adds each folder that is absolute; others cannot be compared and say nothing.
  void AddSystem(std::string_view folder);
  void AddShell(std::string_view folder);
  void AddProjects(std::string_view folder);
};

// "C:\" or "\\server\share" (an absolute folder).
bool IsRootFolder(std::string_view absolute);
// The folder is the other one or lies inside it (both absolute).
bool IsSameOrInside(std::string_view folder, std::string_view other);

// The Windows and system folders, the user's shell folders, the session's
// projects folder and the folder of its project file.
ProtectedFolders FindProtectedFolders(InstallerContext& app);

// Not absolute, a root, or the Windows or system folder, in one or above one:
// nothing in such a folder is removed.
bool ReachesSystem(std::string_view folder, const ProtectedFolders& protect);
// A shell or projects folder, or a folder above one: such a folder is not
// emptied or removed.
bool HoldsUserFolder(std::string_view folder, const ProtectedFolders& protect);

// A product folder whose files may not be removed by pattern: one that
// reaches the system, a shell folder or above one, or a projects folder.
bool ProductFolderRefused(std::string_view folder, const ProtectedFolders& protect);
// A folder that may not be removed with its subfolders: one that reaches the
// system or holds a user's folder, a product folder, or one above it.
bool FolderTreeRefused(std::string_view folder, const ProtectedFolders& protect,
                       const std::vector<std::string>& productFolders);

}  // namespace velmar
