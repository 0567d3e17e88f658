#include "install/product_install_flow.h"

#include "install/install_product.h"
#include "install/product_pages.h"
#include "services/wizard/enter_wizard.h"
#include "session/installer_context.h"
#include "session/procedure_end.h"

namespace velmar {

void ProductInstallFlow(InstallerContext& app, WizardPages& gate, ProductPages& pages) {
  if (!EnterWizard(app, gate)) return;
  InstallSession& s = app.session;
  s.CustomInstall = false;
  s.SelectedVersion = 0;
  s.MakeProject = false;
  s.DefaultProject = false;
  s.StartMenuGroup = "Velmar";
  s.DesktopLinks = true;
  s.Autostart = false;

  const bool install = RunFlow(6, [&](int step) -> std::optional<PageResult> {
    switch (step) {
      case 0: return pages.MainInstallForm.Execute(step, false, false);
      case 1:
        if (s.ProductArchiveList.size() < 2) return std::nullopt;
        return pages.SelectVelZipForm.Execute(step, false);
      case 2: return pages.WinLinksForm.Execute(s.StartMenuGroup, s.DesktopLinks, s.Autostart);
      case 3: return pages.ProjectOptionsForm.Execute(step, false, true, false);
      case 4:
        if (s.DemoState < 1) return std::nullopt;
        return pages.DemoInstallForm.Execute(step, false);
      default: return pages.ReadyToInstallForm.Execute();
    }
  });
  if (!install) return;
  app.LogLine("");
  app.LogLine("Start Velmar install :");
  RunLoggedProcedure(app, [&] { InstallProduct(app, pages.UnzipForm); });
  app.LogLine("Velmar install finished");
  app.LogLine("-");
}

}  // namespace velmar
