#include "uninstall/protected_folders.h"

#include <algorithm>

#include "base/path_utils.h"
#include "base/text_case.h"
#include "services/files/file_utils.h"
#include "services/shell/shell.h"
#include "session/installer_context.h"

namespace velmar {
namespace {

// The user's shell folders the uninstallation keeps out of.
const char* const UserShellFolders[] = {"Desktop",  "Programs", "Startup",       "Start Menu",
                                        "Personal", "AppData",  "Local AppData", "Favorites"};

void Add(std::vector<std::string>& list, std::string_view folder) {
  if (auto absolute = AbsoluteFolder(folder)) list.push_back(std::move(*absolute));
}

bool AnyInside(const std::vector<std::string>& folders, std::string_view outer) {
  return std::any_of(folders.begin(), folders.end(), [&](const std::string& f) { return IsSameOrInside(f, outer); });
}

}  // namespace

void ProtectedFolders::AddSystem(std::string_view folder) { Add(system, folder); }
void ProtectedFolders::AddShell(std::string_view folder) { Add(shell, folder); }
void ProtectedFolders::AddProjects(std::string_view folder) { Add(projects, folder); }

bool IsRootFolder(std::string_view absolute) {
  if (absolute.size() == 3 && absolute[1] == ':') return true;
  return absolute.starts_with("\\\\") && absolute.find('\\', absolute.find('\\', 2) + 1) == std::string_view::npos;
}

bool IsSameOrInside(std::string_view folder, std::string_view other) {
  const std::string inner = UpperCaseText(folder);
  const std::string outer = UpperCaseText(WithBackslash(other));
  return inner == UpperCaseText(other) || inner.starts_with(outer);
}

ProtectedFolders FindProtectedFolders(InstallerContext& app) {
  ProtectedFolders protect;
  protect.AddSystem(WindowsFolder(app.os.files));
  protect.AddSystem(SystemFolder(app.os.files));
  for (const char* name : UserShellFolders) protect.AddShell(ReadShellFolder(app, name));
  protect.AddProjects(app.session.ProjectsPath);
  protect.AddProjects(FileFolderPart(app.session.ProjectFile));
  return protect;
}

bool ReachesSystem(std::string_view folder, const ProtectedFolders& protect) {
  const auto absolute = AbsoluteFolder(folder);
  if (!absolute || IsRootFolder(*absolute)) return true;
  return std::any_of(protect.system.begin(), protect.system.end(), [&](const std::string& s) {
    return IsSameOrInside(*absolute, s) || IsSameOrInside(s, *absolute);
  });
}

bool HoldsUserFolder(std::string_view folder, const ProtectedFolders& protect) {
  const auto absolute = AbsoluteFolder(folder);
  return !absolute || AnyInside(protect.shell, *absolute) || AnyInside(protect.projects, *absolute);
}

bool ProductFolderRefused(std::string_view folder, const ProtectedFolders& protect) {
  if (ReachesSystem(folder, protect)) return true;
  const std::string absolute = *AbsoluteFolder(folder);
  return AnyInside(protect.shell, absolute) ||
         std::any_of(protect.projects.begin(), protect.projects.end(),
                     [&](const std::string& p) { return SameText(p, absolute); });
}

bool FolderTreeRefused(std::string_view folder, const ProtectedFolders& protect,
                       const std::vector<std::string>& productFolders) {
  if (ReachesSystem(folder, protect) || HoldsUserFolder(folder, protect)) return true;
  const std::string absolute = *AbsoluteFolder(folder);
  return std::any_of(productFolders.begin(), productFolders.end(), [&](const std::string& product) {
    const auto p = AbsoluteFolder(product);
    return p && IsSameOrInside(*p, absolute);
  });
}

}  // namespace velmar
