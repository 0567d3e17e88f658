#include "install/install_product.h"

#include <optional>
#include <vector>

#include "base/path_utils.h"
#include "base/text_case.h"
#include "install/extra_installs.h"
#include "install/pages/win_links_form.h"
#include "install/project_file.h"
#include "platform/files/places.h"
#include "files/file_utils.h"
#include "files/ini_file.h"
#include "services/shell/shell.h"
#include "text/language_support.h"
#include "text/texts.h"
#include "services/zip/unzip_form.h"
#include "session/install_record.h"
#include "session/installer_context.h"
#include "session/procedure_end.h"
#include "session/product_programs.h"
#include "ui/host.h"

namespace velmar {
namespace {

// The medium's files the installed copy of the installer takes along, each
// when it exists.
const char* const InstallerFiles[] = {
    "Velmar.L44", "Velmar.L49", "Velmar.L33", "Velmar.L48", "VSetup.L44", "VSetup.L49",
    "VSetup.L33", "VSetup.L48", "Readme.txt", "Liesmich.txt", "Lif-moi.txt", "Setup44.hlp",
    "Setup44.cnt", "Setup49.hlp", "Setup49.cnt", "Setup33.hlp", "Setup33.cnt", "Setup48.hlp",
    "Setup48.cnt"};

class ProductInstallation {
 public:
  ProductInstallation(InstallerContext& app, TUnzipForm& unzip, const CustomProjectStep& customProject)
      : app_(app), s_(app.session), unzip_(unzip), customProject_(customProject), fs_(app.os.files), medium_(s_.MediumRoot),
        product_(WithBackslash(s_.VelmarPath)), install_(product_ + "Install\\"),
        demoFolder_(WithBackslash(s_.ProjectsPath) + "Demo\\"), demoProject_(demoFolder_ + "Demo.vpr") {}

  void Run() {
    if (s_.SelectedVersion == 0 && !s_.ProductArchiveList.empty())
      s_.SelectedVersion = s_.ProductArchiveList.rbegin()->second;
    const std::string release = ReleaseText(s_.SelectedVersion);
    archiveName_ = ReleaseArchiveName(s_.SelectedVersion);
    app_.LogLine("Install Velmar version " + release + " to " + s_.VelmarPath);
    Unpack(app_.texts.TextWith(text::InstallingRelease, release), medium_ + "Velmar\\" + archiveName_, s_.VelmarPath);
    if (s_.CustomInstall && customProject_) {
      const CustomProjectResult custom = customProject_();
      customFolder_ = custom.Folder;
      if (custom.Failed) failed_ = true;
    } else if (!s_.CustomInstall && s_.MakeProject) {
      MakeUserProject();
    }
    if (s_.InstallDemo && s_.DemoState >= 1) InstallDemoProject();
    // Started from the product's own Install\ (by any of its names), the
    // installer's files are in place already.
    if (!platform::SamePlace(fs_, install_, medium_)) CopyInstaller();
    s_.ProductInstalledNow = true;
    WriteInstallRecord(fs_, app_.os.system.ansiCodePage(), app_.texts, s_, app_.os.system.now());
    MakeProductShortcuts();
    WriteProductSettings();
    app_.LogLine("Register project manager OLE functions");
    if (!RegisterProjectManager(app_)) failed_ = true;
    app_.LogLine("Do extra install functions");
    if (!RunExtraInstalls(app_)) failed_ = true;
    ShowProcedureEnd(app_, app_.texts.Text(text::InstallationFinished), "Installation finished", failed_);
  }

 private:
  void Unpack(const std::string& title, const std::string& archive, const std::string& folder) {
    unzip_.Execute(title, archive, folder, false);
    if (!unzip_.Complete()) failed_ = true;
  }

  bool Shortcut(const std::string& link, const std::string& target, const std::string& description) {
    if (CreateShortcut(app_, link, target, description)) return true;
    failed_ = true;
    return false;
  }

  void MakeUserProject() {
    const std::string folder = FileFolderPart(s_.ProjectFile);
    app_.LogLine("Create project folder : " + folder);
    if (!ForceFolder(fs_, folder)) {
      app_.host.ShowMessage(app_.texts.Text(text::ProjectFolderFailed));
      app_.LogLine("ERROR: Could not create project folder !");
      failed_ = true;
      return;
    }
    app_.LogLine("Create project file " + s_.ProjectFile);
    WriteProjectFile(fs_, app_.os.system.ansiCodePage(), s_.ProjectFile, ProjectFileMode::Create, s_.Project,
                     s_.Customer, LanguageCodeOf(s_.LanguageIndex), ReleaseVersion());
    const std::string link = s_.LinkPath + "\\" + s_.LinkName + ".LNK";
    app_.LogLine("Create project shortcut " + link);
    Shortcut(link, s_.ProjectFile, "VELMAR project shortcut");
  }

  void InstallDemoProject() {
    app_.LogLine("Install Velmar demo project");
    if (!Folder(demoFolder_)) return;
    Unpack(app_.texts.Text(text::InstallingDemo), medium_ + "Projects\\Demo\\Demo.zip", demoFolder_);
    app_.LogLine("Create demo project shortcut");
    Shortcut(s_.LinkPath + "\\Demo.LNK", demoProject_, "VELMAR project shortcut");
  }

  // A step that could not be done: logged, and the end says so.
  void Failed(const std::string& what) {
    LogFailure(app_, what);
    failed_ = true;
  }

  bool Folder(const std::string& folder) {
    if (ForceFolder(fs_, folder)) return true;
    Failed("Cannot create folder " + folder);
    return false;
  }

  // A source missing on the medium is passed over: the copy cannot open it.
  // A copy that did not make the file (no target, a full disk, a source that
  // is there but cannot be opened) is a failed step. True unless it failed.
  bool Copy(const std::string& from, const std::string& to) {
    if (KeptByUser(fs_, s_, to)) return true;
    const int result = CopyFileContents(fs_, from, to);
    if (result == copy_result::Copied) return true;
    if (result == copy_result::SourceNotOpened && !FileExists(fs_, from)) return true;
    Failed("Cannot copy " + from + " to " + to);
    return false;
  }

  // The installed copy's folders are made even when they stay empty: its
  // media scan finds them. The settings move to the installed Setup.ini only
  // when it was copied, so that they never land in a file of their own.
  void CopyInstaller() {
    app_.LogLine("Copy setup program from CD");
    if (!Folder(install_)) return;
    Copy(medium_ + "Installer.exe", install_ + "Setup.exe");
    Copy(medium_ + "Setup.exe", install_ + "Setup.exe");
    if (Copy(medium_ + "Setup.ini", install_ + "Setup.ini")) s_.SetupIniPath = install_ + "Setup.ini";
    for (const char* name : InstallerFiles) Copy(medium_ + name, install_ + name);
    if (Folder(install_ + "Velmar\\"))
      Copy(medium_ + "Velmar\\" + archiveName_, install_ + "Velmar\\" + archiveName_);
    Folder(install_ + "Projects\\");
    Folder(install_ + "Patch\\");
    if (Folder(install_ + "Custom\\") && s_.CustomInstall) {
      Copy(medium_ + "Custom\\Custom.ini", install_ + "Custom\\Custom.ini");
      const std::string from = WithBackslash(medium_ + "Custom\\" + customFolder_);
      const std::string to = WithBackslash(install_ + "Custom\\" + customFolder_);
      const auto kept = [this](const std::string& file) { return KeptByUser(fs_, s_, file); };
      if (!customFolder_.empty() && Folder(to) && !CopyFolderTree(fs_, from, to, "*.*", true, kept))
        Failed("Cannot copy " + from + " to " + to);
    }
  }

  // A shell folder as the registry names it, when it is a full path of a
  // folder that exists; else the step of its shortcuts fails, and none is
  // ever written relative to the current folder.
  std::optional<std::string> ShellFolder(const char* name) {
    const std::string folder = ReadShellFolder(app_, name);
    if (AbsoluteFolder(folder) && FolderExists(fs_, folder)) return folder;
    Failed("ERROR: Shell folder " + std::string(name) + " is not an existing folder : \"" + folder + "\"");
    return std::nullopt;
  }

  void MakeProductShortcuts() {
    const auto programs = ShellFolder("Programs");
    const auto startup = s_.Autostart ? ShellFolder("Startup") : std::nullopt;
    const auto desktop = s_.DesktopLinks ? ShellFolder("Desktop") : std::nullopt;
    app_.LogLine("Create shortcuts in start menu and desktop");
    s_.StartMenuGroup = WithBackslash(s_.StartMenuGroup);
    if (programs && !IsStartMenuGroup(s_.StartMenuGroup)) Failed("ERROR: Invalid start menu folder : " + s_.StartMenuGroup);
    else if (programs) startMenu_ = *programs + s_.StartMenuGroup;
    if (!startMenu_.empty()) ForceFolder(fs_, startMenu_);
    const auto link = [this](const std::optional<std::string>& folder, const std::string& name,
                             const std::string& target) {
      if (!folder || folder->empty()) return;
      Shortcut(*folder + name, target, "");
      links_.push_back(*folder + name);
    };
    const std::optional<std::string> startMenu =
        startMenu_.empty() ? std::nullopt : std::optional<std::string>(startMenu_);
    for (const ProductProgram& program : ProductPrograms) {
      const std::string target = product_ + program.file;
      if (!FileExists(fs_, target)) continue;
      const std::string name = app_.texts.Text(program.captionId) + ".lnk";
      link(startMenu, name, target);
      if (program.desktop && s_.DesktopLinks) link(desktop, name, target);
      if (program.startup && s_.Autostart) link(startup, name, target);
    }
    if (FileExists(fs_, install_ + "Setup.exe")) link(startMenu, "Velmar Setup.lnk", install_ + "Setup.exe");
  }

  void WriteProductSettings() {
    TIniFile ini(fs_, product_ + "Velmar.ini", app_.os.system.ansiCodePage());
    ini.WriteString("ProjMan", "NewProjPath", WithBackslash(s_.ProjectsPath));
    ini.WriteString("ProjMan", "ProjectsPath", WithBackslash(s_.LinkPath));
    ini.WriteInteger("ProjMan", "Language", LanguageCodeOf(s_.LanguageIndex));
    if ((s_.MakeProject && s_.DefaultProject) || s_.CustomInstall) ini.WriteString("Config", "DefProject", s_.ProjectFile);
    if (s_.InstallDemo && s_.DemoIsDefault && s_.DemoState >= 1)
      ini.WriteString("Config", "DefProject", demoProject_);
    ini.WriteInteger("Links", "Count", static_cast<int>(links_.size()));
    ini.WriteString("Links", "StartMnu", WithBackslash(startMenu_));
    for (size_t k = 0; k < links_.size(); ++k) ini.WriteString("Links", std::to_string(k + 1), links_[k]);
  }

  // The version of the release being installed, as the project file keeps it: "3.4.10".
  std::string ReleaseVersion() const {
    const std::string digits = std::to_string(s_.SelectedVersion);
    if (digits.size() < 3) return {};
    return digits.substr(0, 1) + "." + digits.substr(1, 1) + "." + digits.substr(2);
  }

  InstallerContext& app_;
  InstallSession& s_;
  TUnzipForm& unzip_;
  const CustomProjectStep& customProject_;
  platform::FileSystem& fs_;
  const std::string medium_, product_, install_, demoFolder_, demoProject_;
  std::string archiveName_, startMenu_, customFolder_;
  std::vector<std::string> links_;
  bool failed_ = false;
};

}  // namespace

std::string ReleaseText(int version) {
  std::string digits = std::to_string(version).substr(0, 4);
  digits.resize(4, '0');
  return digits.substr(0, 1) + ".0" + digits.substr(1, 1) + ".0" + digits.substr(2, 2);
}

std::string ReleaseArchiveName(int version) { return "Velmar" + std::to_string(version) + ".zip"; }

void InstallProduct(InstallerContext& app, TUnzipForm& unzip, const CustomProjectStep& customProject) {
  ProductInstallation(app, unzip, customProject).Run();
}

}  // namespace velmar
