#pragma once
// The shortcuts page: the start-menu folder of the product's shortcuts, and
// whether they go on the desktop too and the default project starts at boot.

#include <string>
#include <string_view>

#include "services/wizard/wizard_page.h"

namespace velmar {

class TWinLinksForm : public WizardPage {
 public:
  explicit TWinLinksForm(InstallerContext& app);

  // Shows the session's start-menu group, desktop links and autostart and,
  // whatever closes the page, stores them back: the group trimmed of blanks
  // (the default group's name when that leaves nothing) and the two check
  // boxes. Prev is always enabled; nothing stops the page from closing.
  PageResult Execute();

  ui::Label LnkMsgLbl{*this, "LnkMsgLbl"};
  ui::Edit LinkFolderEdit{*this, "LinkFolderEdit"};
  ui::CheckBox DesktopCB{*this, "DesktopCB"};
  ui::CheckBox AutostartCB{*this, "AutostartCB"};

 private:
  bool PrevEnabled(int) const override { return true; }
  void SetTexts() override;
  bool Validate(PageResult leavingWith) override;
};

// The start-menu group stays below the programs folder: empty (the default
// is taken) or a path of plain names, one trailing backslash allowed.
bool IsStartMenuGroup(std::string_view group);

}  // namespace velmar
