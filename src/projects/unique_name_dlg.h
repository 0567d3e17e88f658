#pragma once
// The question for a new shortcut name when the chosen one is taken by a
// shortcut that leads elsewhere. Whatever the user types, the name keeps the
// folder and the extension of the name it was given: only the name between
// them changes.

#include <string>

#include "session/installer_page.h"
#include "ui/controls.h"

namespace velmar {

class TUniqueNameDlg : public InstallerPage {
 public:
  explicit TUniqueNameDlg(InstallerContext& app);

  ui::Panel Panel1{*this, "Panel1"};
  ui::Label MsgLbl{*this, "MsgLbl"};
  ui::Edit NameEdit{*this, "NameEdit"};
  ui::Button OkBtn{*this, "OkBtn"};
  ui::Button CancelBtn{*this, "CancelBtn"};
  ui::StatusBar StatBar{*this, "StatBar"};

  // Shows the taken name (a full path) and returns a name in the same folder
  // with the same extension that no file or folder has, or "" when the user
  // cancelled or left no usable name.
  std::string Execute(const std::string& fileName);

 private:
  // Forms the name from what was typed and shows it; OK is enabled exactly
  // when it may be used.
  bool Check();

  std::string folder_, extension_;
  bool accepted_ = false;
};

}  // namespace velmar
