#include "app/dispatcher.h"

#include "base/languages.h"
#include "app/warn_admin_form.h"
#include "custom/custom_install_flow.h"
#include "install/product_install_flow.h"
#include "patch/patch_install_flow.h"
#include "projects/project_install_flow.h"
#include "session/install_record.h"
#include "app/main_form.h"
#include "platform/system.h"
#include "readme/readme_view_form.h"
#include "base/errors.h"
#include "files/file_utils.h"
#include "base/path_utils.h"
#include "files/ini_file.h"
#include "text/language_support.h"
#include "ui/host.h"
#include "uninstall/uninstall_function.h"

namespace velmar {
const char* ReadmeFileName(int languageIndex) { return LanguageOfIndex(languageIndex).readme; }

namespace {

std::string MissingLanguageFileMessage(int code) { return LanguageOfCode(code).missingFileMessage; }

void WriteBackLanguage(InstallerContext& app, MainWindowState& state) {
  InstallSession& s = app.session;
  if (state.ConfigLanguage == s.LanguageIndex || s.SetupIniReadOnly) return;
  if (CheckWritable(app.os.files, s.SetupIniPath, "", false, {}) != 1) return;
  // A file that cannot take the value after all keeps its old one, without a
  // word, as a read-only one does: the run goes on in the chosen language.
  try {
    TIniFile ini(app.os.files, s.SetupIniPath, app.os.system.ansiCodePage());
    ini.WriteInteger("Config", "Language", s.LanguageIndex);
    ini.UpdateFile();
  } catch (const InstallerError&) {
    return;
  }
  state.ConfigLanguage = s.LanguageIndex;
}

// True when the function ended the installer.
bool RunFunction(InstallerContext& app, TMainForm& main, int function) {
  switch (function) {
    case fnInstall: ProductInstallFlow(app, main.Wizard, main.Product); break;
    case fnCustom: CustomInstallFlow(app, main.Wizard, main.Product, main.Custom); break;
    case fnPatch: PatchInstallFlow(app, main.Wizard, main.Product, main.Patch); break;
    case fnProject: ProjectInstallFlow(app, main.Projects, main.Product.UnzipForm, main.Product.OverwriteDlg); break;
    case fnReadme: ShowReadme(app, app.session.ReadmePath); break;
    case fnExplore: ExploreTools(app); break;
    case fnUninstall: return UninstallFunction(app);
    default: break;
  }
  return false;
}

}  // namespace

std::string FindReadmePath(InstallerContext& app) {
  const InstallSession& s = app.session;
  const std::string name = ReadmeFileName(s.LanguageIndex);
  if (s.MediumIsCdRom) return s.MediumRoot + name;
  const std::string parent = ParentFolder(app.os.files, s.MediumRoot);
  if (FileExists(app.os.files, parent + "VelmarPM.exe") && FileExists(app.os.files, parent + name))
    return parent + name;
  return s.MediumRoot + name;
}

InstallerEnd Dispatcher(InstallerContext& app, TMainForm& main) {
  InstallSession& s = app.session;
  MainWindowState& state = main.State;

  if (state.CommandLineLanguage == -1 && state.CommandLineFunction == -1) {
    const std::optional<int> chosen = main.LanguageForm.Execute(s.LanguageIndex);
    if (!chosen) return InstallerEnd::Cancelled;
    s.LanguageIndex = *chosen;
  }
  WriteBackLanguage(app, state);

  app.texts.Initialise();
  const int code = LanguageCodeOf(s.LanguageIndex);
  if (app.texts.Load(code) != 0) {
    // The program ends here: nothing of the run depends on what follows.
    app.host.ShowMessage(MissingLanguageFileMessage(code));
    return InstallerEnd::Failed;
  }
  s.Captions = ButtonCaptionsFor(s.LanguageIndex);
  s.ReadmePath = FindReadmePath(app);

  int function = fnLeave;
  do {
    s.CustomInstall = false;
    if (state.CommandLineFunction >= 0 && state.CommandLineFunction <= 6) {
      function = state.CommandLineFunction;
    } else {
      if (app.os.system.isNtFamily()) ShowAdminWarning(app);
      state.CommandLineFunction = -1;
      function = main.SelectForm.Execute(FileExists(app.os.files, s.ReadmePath),
                                         ProductInstalled(app.os.files, app.os.system.ansiCodePage()));
    }
    if (RunFunction(app, main, function)) break;
  } while (function != fnLeave && state.CommandLineFunction == -1);
  return s.StepFailed ? InstallerEnd::FinishedWithErrors : InstallerEnd::Finished;
}

}  // namespace velmar
