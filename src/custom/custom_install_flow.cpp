#include "custom/custom_install_flow.h"

#include <optional>

#include "base/errors.h"
#include "base/path_utils.h"
#include "base/text_case.h"
#include "custom/driver_port.h"
#include "install/product_pages.h"
#include "install/product_wizard.h"
#include "custom/custom_installs.h"
#include "install/project_file.h"
#include "projects/archive_projects.h"
#include "projects/place_project.h"
#include "files/file_utils.h"
#include "services/shell/shell.h"
#include "text/language_support.h"
#include "text/texts.h"
#include "services/wizard/enter_wizard.h"
#include "session/installer_context.h"
#include "session/procedure_end.h"
#include "ui/host.h"

namespace velmar {
namespace {

// "3.4.10" for version 3410, as the project file keeps it.
std::string ReleaseVersion(int version) {
  const std::string digits = std::to_string(version);
  if (digits.size() < 3) return {};
  return digits.substr(0, 1) + "." + digits.substr(1, 1) + "." + digits.substr(2);
}

// The first archive of the custom folder, in listing order, holding an item
// of that file name, and the item's stored name; nothing when none does.
struct ArchivedProject {
  std::string Archive, StoredName;
};
std::optional<ArchivedProject> ArchiveHolding(platform::FileSystem& fs, const std::string& folder,
                                              const std::string& name) {
  for (const platform::DirEntry& e : fs.find(folder + "*.zip")) {
    if (!IsPlainFileEntry(e.attributes)) continue;
    const auto archive = ReadArchiveProjects(fs, folder + e.name);
    if (!archive) continue;
    for (const std::string& item : archive->ProjectFiles)
      if (SameText(FileNamePart(item), name)) return ArchivedProject{folder + e.name, item};
  }
  return std::nullopt;
}

}  // namespace

CustomProjectResult RunCustomInstall(InstallerContext& app, TUnzipForm& unzip, TOverwriteDlg& overwrite) {
  InstallSession& s = app.session;
  platform::FileSystem& fs = app.os.files;
  const CustomInstallRecord& custom = s.Custom;
  CustomProjectResult result;

  const std::string folder = FileFolderPart(s.ProjectFile);
  app.LogLine("Create custom project folder " + folder);
  if (!ForceFolder(fs, folder)) {
    app.host.ShowMessage(app.texts.Text(text::ProjectFolderFailed));
    app.LogLine("ERROR: Could not create project folder !");
    result.Failed = true;
    return result;
  }

  // The project goes where the project page put its file, so that the file
  // stamped, linked and made the default project is the customer's.
  ProjectRequest request;
  request.TargetFolder = WithBackslash(folder);
  request.ShortcutName = custom.ShortcutName;
  const std::string plain = custom.FolderPath + custom.ProjectFileName;
  bool found = true;
  if (FileExists(fs, plain)) {
    request.ProjectFile = plain;
  } else if (const auto archived = ArchiveHolding(fs, custom.FolderPath, custom.ProjectFileName)) {
    request.ProjectFile = archived->StoredName;
    request.Archive = archived->Archive;
  } else {
    found = false;
  }
  result.Folder = custom.FolderName + "\\";
  const std::string target = request.TargetFolder;
  if (!found) {
    // The choice page found it; an archive that cannot be read now leaves
    // the customer's project out, and the install says so at its end.
    app.LogLine("ERROR: Project file not found : " + plain);
    result.Failed = true;
  } else if (PlaceProject(app, unzip, overwrite, request, false).Failed) {
    result.Failed = true;
  }

  app.LogLine("Update project file " + s.ProjectFile);
  bool written = true;
  try {
    WriteProjectFile(fs, app.os.system.ansiCodePage(), s.ProjectFile, ProjectFileMode::Update, s.Project, s.Customer,
                     LanguageCodeOf(s.LanguageIndex), ReleaseVersion(s.SelectedVersion));
  } catch (const InstallerError& e) {
    LogFailure(app, e.what());
    written = false;
    result.Failed = true;
  }

  // A shortcut never leads to a project file that is not there.
  const std::string link = s.LinkPath + "\\" + s.LinkName + ".LNK";
  if (written) {
    app.LogLine("Create project shortcut " + link);
    if (!CreateShortcut(app, link, s.ProjectFile, "VELMAR project shortcut")) result.Failed = true;
  }

  std::vector<std::string> drivers;
  for (const platform::DirEntry& e : fs.find(target + "*.vdr"))
    if (IsPlainFileEntry(e.attributes)) drivers.push_back(target + e.name);
  std::string kept;
  for (const std::string& driver : drivers) {
    switch (PatchDriverPort(app, driver, BrentaDriverHeader, s.BrentaComPort)) {
      case DriverPatch::Failed: result.Failed = true; break;
      case DriverPatch::KeptPort: kept += (kept.empty() ? "" : "\r\n") + driver; break;
      default: break;
    }
  }
  if (!kept.empty()) app.host.ShowMessage(app.texts.TextWith(text::DriverPortNotSet, kept));
  return result;
}

void CustomInstallFlow(InstallerContext& app, WizardPages& gate, ProductPages& product, CustomPages& pages) {
  InstallSession& s = app.session;
  struct Clear {
    InstallSession& s;
    ~Clear() { s.CustomInstall = false; }
  } clear{s};
  if (!EnterWizard(app, gate)) return;
  ResetProductChoices(s, true);
  if (s.CustomInstallList.size() > 1 && pages.CustomSelectForm.Execute() != prNext) return;
  if (!IsBrentaType(s.Custom.Type)) return;

  s.ProjectFile.clear();
  if (!s.Custom.ProjectName.empty()) s.Project = s.Custom.ProjectName;
  if (!s.Custom.CustomerName.empty()) s.Customer = s.Custom.CustomerName;
  // The shortcut name the choice page took from the chosen install stays.
  if (!s.Custom.ShortcutName.empty()) s.LinkName = s.Custom.ShortcutName;
  else if (s.CustomInstallList.size() <= 1) s.LinkName.clear();
  s.CustomInstall = true;

  const bool install = RunProductWizard(
      s, product,
      {[&](int) -> std::optional<PageResult> {
         const PageResult result = pages.BrentaPickVprForm.Execute();
         // Another project chosen after a visit to the project page replaces
         // the one that page showed; the folder given there stays.
         const std::string& chosen = s.Custom.ProjectFileName;
         if (!s.ProjectFile.empty() && !chosen.empty() &&
             !SameText(NameWithoutExt(FileNamePart(s.ProjectFile)), NameWithoutExt(chosen)))
           s.ProjectFile = FileFolderPart(s.ProjectFile) + chosen;
         return result;
       },
       [&](int step) -> std::optional<PageResult> {
         if (s.ProjectFile.empty())
           s.ProjectFile = WithBackslash(s.ProjectsPath) + s.Custom.FolderName + "\\" + s.Custom.ProjectFileName;
         return product.ProjectOptionsForm.Execute(step, {.CustomMode = true});
       },
       [&](int) -> std::optional<PageResult> { return pages.BrentaPortForm.Execute(); }});
  if (!install) return;
  app.LogLine("");
  app.LogLine("Start custom install [" + s.Custom.Type + "] :");
  RunLoggedProcedure(app, [&] {
    InstallProduct(app, product.UnzipForm, [&] { return RunCustomInstall(app, product.UnzipForm, product.OverwriteDlg); });
  });
  app.LogLine("Custom install finished");
  app.LogLine("-");
}

}  // namespace velmar
