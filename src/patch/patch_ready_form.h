#pragma once
// The ready page of the patch installation: the archive and its comment. Its
// Next (shown as Finish) starts the installation.

#include <string>

#include "services/wizard/wizard_page.h"
#include "ui/controls.h"

namespace velmar {

class TPatchReadyForm : public WizardPage {
 public:
  explicit TPatchReadyForm(InstallerContext& app);

  // Install for Next, Prev, Cancel, or None when the page was closed otherwise.
  PageResult Execute(int step, const std::string& name, const std::string& comment);

  ui::Label ReadyLbl{*this, "ReadyLbl"};
  ui::Label PatchLbl{*this, "PatchLbl"};
  ui::Label CommentLbl{*this, "CommentLbl"};

 private:
  bool PrevEnabled(int) const override { return true; }
  PageResult NextResult() const override { return prInstall; }
};

}  // namespace velmar
