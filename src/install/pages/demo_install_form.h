#pragma once
// The demo project page: whether the installation adds the demo project of
// the medium, and whether that becomes the default project. The choices are
// kept however the page is left.

#include "services/wizard/wizard_page.h"
#include "ui/controls.h"

namespace velmar {

class TDemoInstallForm : public WizardPage {
 public:
  explicit TDemoInstallForm(InstallerContext& app);

  // Shows the page: Next, Prev, Cancel, or None when it was closed otherwise.
  PageResult Execute(int step, bool finishCaption);

  ui::Label DemoAskLbl{*this, "DemoAskLbl"};
  ui::CheckBox DemoCB{*this, "DemoCB"};
  ui::CheckBox DefDemoCB{*this, "DefDemoCB"};

 private:
  void SetTexts() override;
  void LoadFields() override;
  void PageClosed() override;
};

}  // namespace velmar
