#include "uninstall/uninstall_dlg.h"

#include <algorithm>
#include <charconv>

#include "base/errors.h"
#include "base/path_utils.h"
#include "base/text_case.h"
#include "base/wildcard.h"
#include "formats/ini_document.h"
#include "platform/files/file_contents.h"
#include "platform/files/places.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "files/file_utils.h"
#include "files/ini_file.h"
#include "services/shell/shell.h"
#include "text/language_support.h"
#include "text/texts.h"
#include "session/install_record.h"
#include "session/installer_context.h"
#include "ui/host.h"
#include "ui/layout/page_layout.h"
#include "uninstall/product_tables.h"
#include "uninstall/removal.h"

namespace velmar {
namespace {

constexpr int DialogResultOk = 4;
constexpr int DialogResultCancel = 3;

// The shortcuts the installation made, as Velmar.ini lists them.
struct ShortcutList {
  std::string startMenu;
  std::vector<std::string> files;
};

// The values of the keys "1" to Count that are not empty, in that order.
// Only keys that are there are read, however large Count claims to be. The
// file is read once and whole: one that is there but cannot be read raises
// InstallerError, and never passes for a list without shortcuts.
ShortcutList ReadShortcutList(platform::FileSystem& fs, const std::string& path, CodePage page) {
  IniDocument ini;
  try {
    ini = IniDocument::Parse(platform::ReadFileContentsOrRaise(fs, path), page);
  } catch (const CodePageError& e) {
    throw InstallerError("Cannot read " + path + ": " + e.what());
  }
  const auto value = [&](const std::string& key) { return ini.Value("Links", key).value_or(std::string()); };
  ShortcutList list;
  list.startMenu = value("StartMnu");
  int count = -1;
  if (!ParseIniInteger(value("Count"), count)) count = -1;
  std::vector<int> numbers;
  for (const std::string& key : ini.Keys("Links")) {
    int number = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), number);
    if (error == std::errc() && end == key.data() + key.size() && number >= 1 && number <= count &&
        key == std::to_string(number))
      numbers.push_back(number);
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  for (int number : numbers)
    if (std::string file = value(std::to_string(number)); !file.empty())
      list.files.push_back(std::move(file));
  return list;
}

}  // namespace

TUnInstallDlg::TUnInstallDlg(InstallerContext& app) : InstallerPage(app, "TUnInstallDlg") {
  using ui::layout::Margin;
  const int width = 480, height = 330;
  ui::layout::Frame(*this, Panel1, width, height, StatBar.Bounds.height);
  StatBar.SetBounds(0, height - StatBar.Bounds.height, width, StatBar.Bounds.height);
  VelmarCB.SetBounds(Margin + 8, Margin + 8, width - 2 * (Margin + 8), 17);
  LB.SetBounds(Margin, Margin + 36, width - 2 * Margin, 200);
  // A log of the steps: the window keeps its last line in sight.
  LB.Tallied = true;
  ui::layout::ButtonRow({&OkBtn, &CancelBtn}, 130, width, height - StatBar.Bounds.height);
  OkBtn.Glyph = "BTN_CHECK";
  CancelBtn.Glyph = "BTN_CANCEL";
  CancelBtn.Cancel = true;
  ActiveControl = &CancelBtn;

  VelmarCB.OnClick = [this] { OkBtn.Enabled = VelmarCB.Checked; };
  OkBtn.OnClick = [this] {
    if (VelmarCB.Checked) UninstallProduct();
    result_ = DialogResultOk;
    Close();
  };
  CancelBtn.OnClick = [this] {
    result_ = DialogResultCancel;
    Close();
  };
}

bool TUnInstallDlg::Execute() {
  result_ = 0;
  failed_ = false;
  OkBtn.Caption = Text(text::UninstallButton);
  CancelBtn.Caption = Session().Captions.Cancel;
  VelmarCB.Caption = Text(text::UninstallCheck);
  VelmarCB.Checked = false;
  LB.Clear();
  LocateProduct();
  VelmarCB.Enabled = found_;
  OkBtn.Enabled = VelmarCB.Checked;
  ShowModal();
  return result_ == DialogResultOk;
}

void TUnInstallDlg::LocateProduct() {
  platform::FileSystem& fs = App().os.files;
  const CodePage ansi = App().os.system.ansiCodePage();
  protect_ = std::make_unique<ProtectedFolders>(FindProtectedFolders(App()));
  found_ = false;
  folder_.clear();
  const std::string recorded = RecordedProductFolder(fs, ansi);
  if (recorded.empty()) return;
  folder_ = WithBackslash(recorded);
  if (!ProductFolderHoldsProduct(fs, recorded)) return;
  // Where the product's project manager keeps the user's projects stays too.
  if (FileExists(fs, folder_ + "Velmar.ini")) {
    try {
      const TIniFile ini(fs, folder_ + "Velmar.ini", ansi);
      protect_->AddProjects(ini.ReadString("ProjMan", "NewProjPath", ""));
      protect_->AddProjects(FileFolderPart(ini.ReadString("Config", "DefProject", "")));
    } catch (const InstallerError&) {
      // Read again, and reported, when its shortcuts are removed.
    }
  }
  // A folder of projects, or one that must stay, holds no product to remove.
  found_ = !protect_->ProductFolderRefused(recorded) && !HoldsProjectFiles(fs, recorded, false);
}

void TUnInstallDlg::Step(int textId) { Report(Text(textId)); }

void TUnInstallDlg::Report(const std::string& line) {
  LB.Add(line);
  GetHost().Repaint(*this);
}

void TUnInstallDlg::UninstallProduct() {
  InstallerContext& app = App();
  platform::FileSystem& fs = app.os.files;
  // Nothing else is done on the dialog while the product goes.
  VelmarCB.Enabled = OkBtn.Enabled = CancelBtn.Enabled = false;
  Removal removal(fs, app.os.registry, *protect_);
  // A file that stays is named once, though the list and a pattern both reach it.
  std::vector<std::string> named;
  removal.OnFailure = [this, &named](const std::string& what) {
    failed_ = true;
    if (std::any_of(named.begin(), named.end(), [&](const std::string& n) { return SameText(n, what); })) return;
    named.push_back(what);
    Report(TextWith(text::CouldNotRemove, what));
  };

  Step(text::UninstallingVelmar);
  RemoveProjectShortcutsFolder(removal);

  const std::string manager = folder_ + "VelmarPM.exe";
  if (FileExists(fs, manager)) {
    Step(text::UnregisteringProjectManager);
    RunAndWait(app, ProgramCommandLine(manager, " /unregserver"), platform::WindowShow::Minimized, 21);
  }

  RemoveProductShortcuts(removal);

  Step(text::DeletingProgramFiles);
  for (const char* entry : ProductProgramFiles) {
    if (HasWildcard(entry))
      removal.DeleteMatching(folder_, entry);
    else
      removal.DeleteIfExists(folder_, entry);
  }
  for (const char* pattern : ProductFilePatterns) removal.DeleteMatching(folder_, pattern);

  Step(text::DeletingFolders);
  for (const char* name : ProductWorkingFolders) removal.DeleteFolder(folder_ + name, false);

  Step(text::RemovingRegistrySettings);
  removal.DeleteKeyTree(platform::RootKey::LocalMachine, MakerSettingsKey);
  for (const ProductFileType& type : ProductFileTypes) removal.RemoveFileType(type.extension, type.className);
  app.os.registry.NotifyAssociationsChanged();

  Step(text::DeletingInstallFiles);
  for (const char* name : InstallerCopyFiles) removal.DeleteIfExists(folder_ + "Install\\", name);
  for (const InstallerCopyFolder& folder : InstallerCopyFolders)
    removal.DeleteFolder(folder_ + folder.name, folder.withSubfolders);
  // The installer's program file, and whatever else the list does not name,
  // keep the folder.
  removal.RemoveEmptyFolder(folder_ + "Install");

  if (failed_) {
    // The list above says what stays; the run ends as one with errors.
    Session().StepFailed = true;
    app.host.ShowMessage(Text(text::UninstallFinishedWithErrors), ui::ApplicationTitle, ui::MessageIcon::Warning);
    return;
  }
  Step(text::UninstallFinished);
  app.host.ShowMessage(Text(text::VelmarFolderCanBeDeleted), ui::ApplicationTitle, ui::MessageIcon::Information);
}

// Of the project shortcuts folder only the shortcuts go, and the folders
// that leaves empty: the installations put nothing else there. The folder is
// left whole when it is not one of the installation's own: a root, a folder
// that must stay or one above it, a projects folder or one inside it, one
// above the product, or one holding a project file under any name.
void TUnInstallDlg::RemoveProjectShortcutsFolder(Removal& removal) {
  platform::FileSystem& fs = App().os.files;
  const std::string folder = WithoutBackslash(Session().LinkPath);
  if (folder.empty()) return;
  const auto absolute = AbsoluteFolder(folder);
  if (absolute && !FolderExists(fs, *absolute)) return;
  if (protect_->FolderRefused(folder) || platform::IsAtOrInside(fs, folder_, *absolute) ||
      platform::IsAtOrInside(fs, Session().VelmarPath, *absolute) || HoldsProjectFiles(fs, *absolute, true)) {
    Report(TextWith(text::ShortcutsFolderKept, folder));
    return;
  }
  if (const int kept = removal.DeleteShortcutsIn(*absolute); kept > 0)
    Report(TextWith(text::ShortcutFilesKept, std::to_string(kept)));
}

// Of the files Velmar.ini lists only shortcuts go; then their start-menu
// folder, when that leaves it empty.
void TUnInstallDlg::RemoveProductShortcuts(Removal& removal) {
  platform::FileSystem& fs = App().os.files;
  ShortcutList list;
  const std::string settings = folder_ + "Velmar.ini";
  if (FileExists(fs, settings)) {
    try {
      list = ReadShortcutList(fs, settings, App().os.system.ansiCodePage());
    } catch (const InstallerError& error) {
      failed_ = true;
      Report(Text(text::ErrorPrefix) + " " + error.what());
    }
  }
  Step(text::DeletingShortcuts);
  for (const std::string& file : list.files)
    if (SameText(FileExtension(file), ".lnk")) removal.DeleteFile(file);
  const std::string startMenu = WithoutBackslash(list.startMenu);
  if (!startMenu.empty() && !platform::IsAtOrInside(App().os.files, folder_, startMenu))
    removal.RemoveEmptyFolder(startMenu);
}

}  // namespace velmar
