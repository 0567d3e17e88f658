#include "install/pages/demo_install_form.h"

#include "text/texts.h"
#include "session/installer_context.h"

namespace velmar {

TDemoInstallForm::TDemoInstallForm(InstallerContext& app) : WizardPage(app, "TDemoInstallForm") {
  SetPageSize(480, 230);
  DemoAskLbl.SetBounds(24, 20, 432, 44);
  DemoAskLbl.AutoSize = false;
  DemoAskLbl.WordWrap = true;
  DemoCB.SetBounds(40, 80, 416, 17);
  DefDemoCB.SetBounds(40, 108, 416, 17);
}

PageResult TDemoInstallForm::Execute(int step, bool finishCaption) { return Run(step, finishCaption); }

void TDemoInstallForm::SetTexts() {
  DemoAskLbl.Caption = Text(text::DemoQuestion);
  DemoCB.Caption = Text(text::InstallDemoProject);
  DefDemoCB.Caption = Text(text::DemoIsDefaultProject);
}

void TDemoInstallForm::LoadFields() {
  DemoCB.Checked = Session().InstallDemo;
  DefDemoCB.Checked = Session().DemoIsDefault;
}

void TDemoInstallForm::PageClosed() {
  Session().InstallDemo = DemoCB.Checked;
  Session().DemoIsDefault = DefDemoCB.Checked;
}

}  // namespace velmar
