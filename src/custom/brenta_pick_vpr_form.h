#pragma once
// The choice of the customer's project file.

#include "services/wizard/wizard_page.h"
#include "ui/controls.h"

namespace velmar {

// The project files of the custom folder, plain and inside its archives,
// sorted; Next makes the selected one the install's project.
class TBrentaPickVprForm : public WizardPage {
 public:
  explicit TBrentaPickVprForm(InstallerContext& app);
  PageResult Execute();

  ui::Label SelectLbl{*this, "SelectLbl"};
  ui::ListBox VprLB{*this, "VprLB"};

 private:
  bool PrevEnabled(int) const override { return true; }
  void SetTexts() override;
  void LoadFields() override;
  void UpdateNextBtn() override;
  void StoreFields() override;
};

}  // namespace velmar
