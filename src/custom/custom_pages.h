#pragma once
// The pages of a custom install: the choice among the medium's installs, the
// customer's project file, and the serial port of the customer's devices.

#include <functional>

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
