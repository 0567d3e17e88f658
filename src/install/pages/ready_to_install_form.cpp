#include "install/pages/ready_to_install_form.h"

#include "install/install_product.h"
#include "text/texts.h"
#include "session/installer_context.h"

namespace velmar {

TReadyToInstallForm::TReadyToInstallForm(InstallerContext& app) : WizardPage(app, "TReadyToInstallForm") {
  // Nothing on the page is typed, so it needs no status line.
  StatBar.Visible = false;
  SetPageSize(480, 200);
  for (ui::Label* label : {&ReadyLbl, &FldrLbl}) {
    label->AutoSize = false;
    label->WordWrap = true;
    // A folder or a release is shown as it is, an "&" too.
    label->ShowAccelChar = false;
  }
  ReadyLbl.SetBounds(24, 24, 432, 30);
  FldrLbl.SetBounds(24, 64, 432, 56);
}

PageResult TReadyToInstallForm::Execute() { return Run(0, true); }

void TReadyToInstallForm::SetTexts() {
  InstallSession& s = Session();
  if (s.SelectedVersion == 0 && !s.ProductArchiveList.empty()) s.SelectedVersion = s.ProductArchiveList.rbegin()->second;
  // A medium without releases has no version to name.
  ReadyLbl.Caption = TrimBlanks(TextWith(text::ReadyToInstall, s.SelectedVersion ? ReleaseText(s.SelectedVersion) : ""));
  FldrLbl.Caption = TextWith(text::IntoFolder, s.VelmarPath);
}

}  // namespace velmar
