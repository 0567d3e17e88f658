#include "install/product_install_flow.h"

#include "install/install_product.h"
#include "install/product_pages.h"
#include "install/product_wizard.h"
#include "services/wizard/enter_wizard.h"
#include "session/installer_context.h"
#include "session/procedure_end.h"

namespace velmar {

void ProductInstallFlow(InstallerContext& app, WizardPages& gate, ProductPages& pages) {
  if (!EnterWizard(app, gate)) return;
  InstallSession& s = app.session;
  s.CustomInstall = false;
  ResetProductChoices(s, false);
  const bool install = RunProductWizard(
      s, pages,
      {[&](int step) -> std::optional<PageResult> { return pages.ProjectOptionsForm.Execute(step, {.OfferNewProject = true}); },
       [&](int step) -> std::optional<PageResult> {
         if (s.DemoState < 1) return std::nullopt;
         return pages.DemoInstallForm.Execute(step, false);
       }});
  if (!install) return;
  app.LogLine("");
  app.LogLine("Start Velmar install :");
  RunLoggedProcedure(app, [&] { InstallProduct(app, pages.UnzipForm); });
  app.LogLine("Velmar install finished");
  app.LogLine("-");
}

}  // namespace velmar
