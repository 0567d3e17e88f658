#include "uninstall/removal.h"

#include "base/path_utils.h"
#include "base/text_case.h"
#include "files/file_utils.h"
#include "uninstall/protected_folders.h"

namespace velmar {

using platform::RootKey;

void Removal::DeleteFile(const std::string& path) {
  if (protect_.FileRefused(path)) return;
  const auto attributes = fs_.attributes(path);
  if (!attributes || IsFolderEntry(*attributes) || (*attributes & attr::System)) return;
  // A link's attributes are those of what it leads to: they stay as they are.
  const int result = (*attributes & attr::ReparsePoint) ? fs_.deleteFile(path) : DeleteFileForced(fs_, path);
  if (result != 0 && fs_.attributes(path)) Failed(path);
}

void Removal::DeleteIfExists(const std::string& folder, const std::string& name) {
  const std::string path = WithBackslash(folder) + name;
  if (fs_.attributes(path)) DeleteFile(path);
}

void Removal::DeleteMatching(const std::string& folder, const std::string& pattern) {
  const std::string base = WithBackslash(folder);
  for (const platform::DirEntry& entry : fs_.find(base + pattern))
    if (!IsFolderEntry(entry.attributes)) DeleteFile(base + entry.name);
}

void Removal::DeleteFolder(const std::string& folder, bool withSubfolders) {
  if (protect_.FolderRefused(folder)) return;
  const auto absolute = AbsoluteFolder(folder);
  const auto attributes = fs_.attributes(*absolute);
  if (!attributes || !IsFolderEntry(*attributes) || (*attributes & attr::ReparsePoint)) return;
  EmptyFolder(*absolute, withSubfolders);
}

void Removal::EmptyFolder(const std::string& folder, bool withSubfolders) {
  for (const platform::DirEntry& entry : fs_.find(folder + "\\*.*")) {
    const std::string path = folder + "\\" + entry.name;
    if (!IsFolderEntry(entry.attributes)) {
      DeleteFile(path);
    } else if (withSubfolders && entry.name[0] != '.' && !(entry.attributes & attr::ReparsePoint)) {
      EmptyFolder(path, withSubfolders);
    }
  }
  RemoveEmptyFolder(folder);
}

int Removal::DeleteShortcutsIn(const std::string& folder) {
  if (protect_.FolderRefused(folder)) return 0;
  const auto absolute = AbsoluteFolder(folder);
  const auto attributes = fs_.attributes(*absolute);
  if (!attributes || !IsFolderEntry(*attributes) || (*attributes & attr::ReparsePoint)) return 0;
  return ShortcutsBelow(*absolute);
}

int Removal::ShortcutsBelow(const std::string& folder) {
  int kept = 0;
  for (const platform::DirEntry& entry : fs_.find(WithBackslash(folder) + "*.*")) {
    const std::string path = WithBackslash(folder) + entry.name;
    if (!IsFolderEntry(entry.attributes)) {
      if (SameText(FileExtension(entry.name), ".lnk"))
        DeleteFile(path);
      else
        ++kept;
    } else if (entry.name[0] != '.' && !(entry.attributes & attr::ReparsePoint)) {
      kept += ShortcutsBelow(path);
    }
  }
  RemoveEmptyFolder(folder);
  return kept;
}

void Removal::RemoveEmptyFolder(const std::string& folder) {
  if (protect_.FolderRefused(folder) || fs_.removeFolder(folder)) return;
  // A folder that still holds something stays, without a word.
  const auto attributes = fs_.attributes(folder);
  if (!attributes || !IsFolderEntry(*attributes)) return;
  for (const platform::DirEntry& entry : fs_.find(folder + "\\*.*"))
    if (entry.name != "." && entry.name != "..") return;
  Failed(folder);
}

void Removal::DeleteKeyTree(RootKey root, const std::string& key) {
  if (key.empty() || !registry_.KeyExists(root, key)) return;
  if (!registry_.DeleteKey(root, key) && registry_.KeyExists(root, key))
    Failed(std::string(platform::RootKeyName(root)) + "\\" + key);
}

void Removal::RemoveFileType(const std::string& extension, const std::string& className) {
  if (!registry_.KeyExists(RootKey::ClassesRoot, extension)) return;
  const auto registered = registry_.ReadDefault(RootKey::ClassesRoot, extension);
  if (!registered || !SameText(*registered, className)) return;
  DeleteKeyTree(RootKey::ClassesRoot, extension);
  DeleteKeyTree(RootKey::ClassesRoot, *registered);
}

}  // namespace velmar
