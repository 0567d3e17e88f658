#include "patch/patch_install_flow.h"

#include "base/path_utils.h"
#include "install/product_pages.h"
#include "patch/patch_pages.h"
#include "text/language_support.h"
#include "text/texts.h"
#include "services/wizard/enter_wizard.h"
#include "session/installer_context.h"
#include "session/procedure_end.h"

namespace velmar {

void PatchInstallFlow(InstallerContext& app, WizardPages& gate, ProductPages& product, PatchPages& pages) {
  if (!EnterWizard(app, gate)) return;
  PatchChoice choice;
  const bool install = RunFlow(3, [&](int step) -> std::optional<PageResult> {
    switch (step) {
      case 0: return product.MainInstallForm.Execute(step, {.ProductFolderOnly = true});
      case 1:
        choice = pages.InstallPatchForm.Execute(step);
        return choice.Result;
      default: return pages.PatchReadyForm.Execute(step, choice.Name, choice.Comment);
    }
  });
  if (!install) return;
  const std::string& name = choice.Name;
  InstallSession& s = app.session;
  app.LogLine("");
  app.LogLine("Install patch : " + name);
  RunLoggedProcedure(app, [&] {
    product.UnzipForm.Execute(app.texts.TextWith(text::InstallingPatch, NameWithoutExt(name)),
                              s.MediumRoot + "Patch\\" + name, s.VelmarPath, false);
  });
  ShowProcedureEnd(app, app.texts.TextWith(text::PatchFinished, name), "", !product.UnzipForm.Complete());
  app.LogLine("-");
}

}  // namespace velmar
