#pragma once
// The removals of the uninstallation, each best effort: what is not there is
// passed over, a system file and anything behind a link stay, and what is
// there but cannot be removed is told to OnFailure and passed over too.
// Whatever the caller asks, nothing the protected folders refuse is removed.

#include <functional>
#include <string>

#include "platform/files/file_system.h"
#include "platform/registry.h"
#include "uninstall/protected_folders.h"

namespace velmar {

class Removal {
 public:
  Removal(platform::FileSystem& fs, platform::Registry& registry, const ProtectedFolders& protect)
      : fs_(fs), registry_(registry), protect_(protect) {}

  // A file or a registry key that was there and is there still.
  std::function<void(const std::string& what)> OnFailure;

  // Deletes a file, clearing read-only and hidden first; a link goes as a
  // link, whatever it leads to. A folder or a system file stays.
  void DeleteFile(const std::string& path);
  // folder + name, when it exists.
  void DeleteIfExists(const std::string& folder, const std::string& name);
  // Every file of the folder matching the pattern (all attribute kinds).
  void DeleteMatching(const std::string& folder, const std::string& pattern);
  // Empties the folder of files (with its subfolders, those too, except the
  // ones whose names begin with ".") and removes it when that leaves it
  // empty. A folder that is a link or junction, or one inside that is, is
  // left as it is: what lies behind it is never reached.
  void DeleteFolder(const std::string& folder, bool withSubfolders);
  // Deletes the shortcut files (".lnk", any case) in the folder and its
  // subfolders, then the folders that leaves empty, the folder itself last.
  // Links and junctions are not entered. Gives the number of other files,
  // which stay.
  int DeleteShortcutsIn(const std::string& folder);
  // Removes the folder when it is empty. One that holds something stays
  // without a word; an empty one that cannot be removed is told to OnFailure.
  void RemoveEmptyFolder(const std::string& folder);

  // The key with its subkeys; a missing key is left alone.
  void DeleteKeyTree(platform::RootKey root, const std::string& key);
  // The extension's registration and its class, only when the extension's
  // default value names that class (case ignored): another program's stays.
  void RemoveFileType(const std::string& extension, const std::string& className);

 private:
  void EmptyFolder(const std::string& folder, bool withSubfolders);
  int ShortcutsBelow(const std::string& folder);
  void Failed(const std::string& what) {
    if (OnFailure) OnFailure(what);
  }

  platform::FileSystem& fs_;
  platform::Registry& registry_;
  const ProtectedFolders& protect_;
};

}  // namespace velmar
