#include "services/wizard/enter_wizard.h"

#include "session/installer_context.h"
#include "session/running_program_guard.h"
#include "ui/host.h"

namespace velmar {

bool EnterWizard(InstallerContext& app, WizardPages& pages) {
  // Testing the run mutexes holds none, so a guard of its own is enough here.
  const RunningProgramGuard guard(app.os.mutexes);
  if (const auto running = guard.RunningProgramMessage(app.texts)) {
    app.host.ShowMessage(*running);
    return false;
  }
  InstallSession& s = app.session;
  if (!s.WelcomeShown) {
    if (pages.WelcomeForm.Execute() != prNext) return false;
    s.WelcomeShown = true;
  }
  if (!s.LicenceAccepted) {
    if (pages.LicenceForm.Execute() != prNext) return false;
    s.LicenceAccepted = true;
  }
  return true;
}

}  // namespace velmar
