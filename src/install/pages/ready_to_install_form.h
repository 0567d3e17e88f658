#pragma once
// The ready page, the last of the product and custom flows: the release and
// the folder the installation goes to. Its Next (shown as Finish) starts the
// installation.

#include "services/wizard/wizard_page.h"
#include "ui/controls.h"

namespace velmar {

class TReadyToInstallForm : public WizardPage {
 public:
  explicit TReadyToInstallForm(InstallerContext& app);

  // Shows the page: Install for Next, Prev, Cancel, or None when it was
  // closed otherwise. Without a chosen version the newest release of the
  // medium is taken.
  PageResult Execute();

  ui::Label ReadyLbl{*this, "ReadyLbl"};
  ui::Label FldrLbl{*this, "FldrLbl"};

 private:
  bool PrevEnabled(int) const override { return true; }
  PageResult NextResult() const override { return prInstall; }
  void SetTexts() override;
};

}  // namespace velmar
