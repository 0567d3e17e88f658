#pragma once
// The backdrop as the program's main window: start-up reads the configuration
// and scans the medium; once it is on screen the dispatcher runs; closing it
// writes the settings back.

#include <memory>
#include <string>
#include <vector>

#include "session/installer_context.h"
#include "app/run_installer.h"
#include "session/running_program_guard.h"
#include "app/select_form.h"
#include "app/startup.h"
#include "custom/custom_install_flow.h"
#include "install/product_pages.h"
#include "patch/patch_pages.h"
#include "projects/project_pages.h"
#include "services/wizard/enter_wizard.h"
#include "app/language_form.h"
#include "ui/drawing/backdrop.h"

namespace velmar {

struct StartupFacts {
  std::vector<std::string> Arguments;  // without the program name
  int DefaultLanguageCode = 44;
};

class TMainForm : public ui::Backdrop {
 public:
  TMainForm(InstallerContext& app, RunningProgramGuard& guard, const StartupFacts& facts);
  ~TMainForm() override;

  MainWindowState State;
  // Failed until the dispatcher has come to its end.
  InstallerEnd End = InstallerEnd::Failed;

  TSelectForm SelectForm;
  TLanguageForm LanguageForm;
  // The welcome and licence pages of the install flows' entry gate.
  WizardPages Wizard;
  // The product installation's pages and its unzip and overwrite dialogs.
  ProductPages Product;
  // The project installation's pages, with the project tree of the medium.
  ProjectPages Projects;
  PatchPages Patch;
  CustomPages Custom;

  // The end of the main window, once: the settings are written back, the
  // taskbar shown again and the installer's mutex released.
  void FormDestroy();

 private:
  void FormCreate(const StartupFacts& facts);
  void ApplyBackdrop();

  InstallerContext& app_;
  RunningProgramGuard& guard_;
  bool taskbarFound_ = false;
  bool destroyed_ = false;
};

// The text shown when the program file fails its integrity check.
extern const char* const DamagedProgramMessage;

}  // namespace velmar
