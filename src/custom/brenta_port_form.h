#pragma once
// The serial port of the customer's devices.

#include <functional>

#include "services/wizard/wizard_page.h"
#include "ui/controls.h"

namespace velmar {

// COM1 to COM4, each offered only when it can be opened; the first usable
// one is selected each time the page is shown.
class TBrentaPortForm : public WizardPage {
 public:
  using PortTest = std::function<bool(int)>;
  TBrentaPortForm(InstallerContext& app, PortTest test);
  // After Next, the session's port is the selected one or 0 with none; else
  // it keeps its value.
  PageResult Execute();

  ui::Label SelectLbl{*this, "SelectLbl"};
  ui::RadioButton Com1RB{*this, "Com1RB"};
  ui::RadioButton Com2RB{*this, "Com2RB"};
  ui::RadioButton Com3RB{*this, "Com3RB"};
  ui::RadioButton Com4RB{*this, "Com4RB"};

 private:
  bool PrevEnabled(int) const override { return true; }
  void SetTexts() override;
  void LoadFields() override;
  ui::RadioButton* Buttons(int k);

  PortTest test_;
};

}  // namespace velmar
