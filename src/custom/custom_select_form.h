#pragma once
// The choice among the medium's custom installs.

#include "services/wizard/wizard_page.h"
#include "ui/controls.h"

namespace velmar {

// The installs of Custom.ini with a line for the user's language; lines whose
// folder holds no project are drawn red (maroon when not selected) and cannot
// be chosen. OK makes the selected install the session's.
class TCustomSelectForm : public WizardPage {
 public:
  explicit TCustomSelectForm(InstallerContext& app);
  // Next for OK, Cancel otherwise.
  PageResult Execute();

  ui::Label SelectLbl{*this, "SelectLbl"};
  ui::ListBox CustomLB{*this, "CustomLB"};

 private:
  static constexpr int64_t HasProject = 1 << 16;  // Data: position in the list | HasProject
  PageResult ClosedResult() const override { return prCancel; }
  bool PrevEnabled(int) const override { return false; }
  void SetTexts() override;
  void LoadFields() override;
  void UpdateNextBtn() override;
  void StoreFields() override;
  bool Choosable() const;
};

}  // namespace velmar
