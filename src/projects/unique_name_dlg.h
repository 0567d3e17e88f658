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
  // The name formed from what was typed: the typed name without folder and
  // extension between the kept folder and extension.
  struct Formed {
    std::string path;
    bool taken, usable;
  };
  Formed Form() const;
  // OK is enabled exactly when the name may be used.
  void Show(const Formed& formed);
  // Forms the name, puts it into the box and shows whether it may be used.
  bool Check();

  std::string folder_, extension_;
  bool accepted_ = false;
};

}  // namespace velmar
