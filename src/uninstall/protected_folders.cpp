#include "uninstall/protected_folders.h"

#include <algorithm>

#include "base/path_utils.h"
#include "base/text_case.h"
#include "platform/registry.h"
#include "files/file_utils.h"
#include "services/shell/shell.h"
#include "session/installer_context.h"

namespace velmar {
namespace {

using platform::FileIdentity;
using platform::RootKey;

// Where Windows lays out the folders of programs and of all users, beside
// the Windows folder. The deepest of each is named: what lies above it is
// protected with it.
const char* const SystemLayout[] = {"Program Files", "Program Files (x86)",
                                    "ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Startup",
                                    "Users\\Public\\Desktop", "Users\\Public\\Documents"};

const char* const UserShellFolders[] = {"Desktop",   "Programs",    "Startup",   "Start Menu", "Personal",
                                        "AppData",   "Local AppData", "Favorites", "My Music",   "My Pictures",
                                        "My Video",  "Templates",   "SendTo",    "Recent"};
const char* const CommonShellFolders[] = {"Common Desktop",   "Common Programs",  "Common Start Menu",
                                          "Common Startup",   "Common Documents", "Common AppData",
                                          "Common Templates", "Common Favorites"};
const char* const ProgramFolderValues[] = {"ProgramFilesDir", "ProgramFilesDir (x86)", "ProgramW6432Dir",
                                           "CommonFilesDir", "CommonFilesDir (x86)"};
const char* const ProfileValues[] = {"ProfilesDirectory", "Public", "Default"};

constexpr const char* CurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* ProfileListKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";

bool Holds(const std::vector<FileIdentity>& chain, const FileIdentity& id) {
  return std::find(chain.begin(), chain.end(), id) != chain.end();
}

// The system's own variables in a registry value; a value with others is
// passed over.
std::string Expanded(std::string value, const std::string& windows) {
  const auto replace = [&](std::string_view name, const std::string& with) {
    for (size_t at; (at = UpperCaseText(value).find(name)) != std::string::npos;) value.replace(at, name.size(), with);
  };
  replace("%SYSTEMDRIVE%", FileDrive(windows));
  replace("%SYSTEMROOT%", WithoutBackslash(windows));
  return value.find('%') == std::string::npos ? value : std::string();
}

}  // namespace

void ProtectedFolders::Add(std::string_view folder, bool whole, bool projects) {
  const auto absolute = AbsoluteFolder(folder);
  if (!absolute) return;
  Place place{fs_->identity(*absolute), fs_->placeChain(*absolute), whole, projects};
  if (!place.chain.empty()) places_.push_back(std::move(place));
}

void ProtectedFolders::AddWhole(std::string_view folder) { Add(folder, true, false); }
void ProtectedFolders::AddProjects(std::string_view folder) { Add(folder, true, true); }
void ProtectedFolders::AddAtOrAbove(std::string_view folder) { Add(folder, false, false); }

bool ProtectedFolders::Refused(std::string_view folder, bool aboveProjects) const {
  const auto absolute = AbsoluteFolder(folder);
  if (!absolute || IsRootFolder(*absolute)) return true;
  const auto identity = fs_->identity(*absolute);
  // A link that leads to a drive's root is that root.
  if (identity && identity == fs_->identity(FileDrive(*absolute) + "\\")) return true;
  const auto chain = fs_->placeChain(*absolute);
  return std::any_of(places_.begin(), places_.end(), [&](const Place& place) {
    const bool above = identity && Holds(place.chain, *identity) && (aboveProjects || !place.projects || identity == place.identity);
    const bool inside = place.whole && place.identity && Holds(chain, *place.identity);
    return above || inside;
  });
}

bool ProtectedFolders::FolderRefused(std::string_view folder) const { return Refused(folder, true); }
bool ProtectedFolders::ProductFolderRefused(std::string_view folder) const { return Refused(folder, false); }

bool ProtectedFolders::FileRefused(std::string_view path) const {
  const auto folder = AbsoluteFolder(FileFolderPart(path));
  if (!folder || IsRootFolder(*folder)) return true;
  const auto chain = fs_->placeChain(std::string(path));
  return std::any_of(places_.begin(), places_.end(), [&](const Place& place) {
    return place.whole && place.identity && Holds(chain, *place.identity);
  });
}

bool IsRootFolder(std::string_view absolute) {
  if (absolute.size() == 3 && absolute[1] == ':') return true;
  return absolute.starts_with("\\\\") && absolute.find('\\', absolute.find('\\', 2) + 1) == std::string_view::npos;
}

bool HoldsProjectFiles(platform::FileSystem& fs, const std::string& folder, bool withSubfolders) {
  const std::string base = WithBackslash(folder);
  for (const platform::DirEntry& entry : fs.find(base + "*.*")) {
    if (!IsFolderEntry(entry.attributes)) {
      if (SameText(FileExtension(entry.name), ".vpr")) return true;
    } else if (withSubfolders && entry.name[0] != '.' && !(entry.attributes & attr::ReparsePoint) &&
               HoldsProjectFiles(fs, base + entry.name, true)) {
      return true;
    }
  }
  return false;
}

ProtectedFolders FindProtectedFolders(InstallerContext& app) {
  platform::FileSystem& fs = app.os.files;
  platform::Registry& registry = app.os.registry;
  ProtectedFolders protect(fs);
  const std::string windows = WindowsFolder(fs);
  protect.AddWhole(windows);
  protect.AddWhole(SystemFolder(fs));
  const std::string beside = ParentFolder(windows, "");
  for (const char* folder : SystemLayout) protect.AddAtOrAbove(beside + folder);
  const auto read = [&](RootKey root, const char* key, const char* name) {
    protect.AddAtOrAbove(Expanded(registry.ReadString(root, key, name).value_or(""), windows));
  };
  for (const char* name : UserShellFolders) read(RootKey::CurrentUser, ShellFoldersKey, name);
  for (const char* name : CommonShellFolders) read(RootKey::LocalMachine, ShellFoldersKey, name);
  for (const char* name : ProgramFolderValues) read(RootKey::LocalMachine, CurrentVersionKey, name);
  for (const char* name : ProfileValues) read(RootKey::LocalMachine, ProfileListKey, name);
  read(RootKey::CurrentUser, "Volatile Environment", "USERPROFILE");
  protect.AddProjects(app.session.ProjectsPath);
  protect.AddProjects(FileFolderPart(app.session.ProjectFile));
  return protect;
}

}  // namespace velmar
