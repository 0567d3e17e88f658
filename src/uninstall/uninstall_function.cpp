#include "uninstall/uninstall_function.h"

#include "services/shell/shell.h"
#include "session/installer_context.h"
#include "session/running_program_guard.h"
#include "ui/host.h"
#include "uninstall/uninstall_dlg.h"

namespace velmar {

bool UninstallFunction(InstallerContext& app) {
  // Testing the run mutexes holds none, so a guard of its own is enough here.
  const RunningProgramGuard guard(app.os.mutexes);
  if (const auto running = guard.RunningProgramMessage(app.texts)) {
    app.host.ShowMessage(*running);
    return false;
  }
  TUnInstallDlg dialog(app);
  if (!dialog.Execute()) return false;
  // The folder just emptied, whatever Setup.ini names as the product folder;
  // an explorer that does not start is not told.
  ExploreFolder(app, "explorer.exe /e,/n,", dialog.UninstallFolder());
  return true;
}

}  // namespace velmar
