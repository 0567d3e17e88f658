#pragma once
// The backdrop as the program's main window: start-up reads the configuration
// and scans the medium; once it is on screen the dispatcher runs; closing it
// writes the settings back.

#include <memory>
#include <string>
#include <vector>

#include "app/installer_context.h"
#include "app/running_guard.h"
#include "app/select_form.h"
#include "app/startup.h"
#include "services/enter_wizard.h"
#include "services/lang_pick.h"
#include "ui/backdrop.h"

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
  // False when the run ended on the language page.
  bool Completed = false;

  TSelectForm SelectForm;
  TLanguageForm LanguageForm;
  // The welcome and licence pages of the install flows' entry gate.
  WizardPages Wizard;

 private:
  void FormCreate(const StartupFacts& facts);
  void ApplyBackdrop();
  void FormClose();

  InstallerContext& app_;
  RunningProgramGuard& guard_;
  bool taskbarFound_ = false;
  bool closed_ = false;
};

// The text shown when the program file fails its integrity check.
extern const char* const DamagedProgramMessage;

}  // namespace velmar
