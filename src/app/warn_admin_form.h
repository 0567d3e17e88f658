#pragma once
// The warning about administrator rights, shown before the function selection.

#include "session/installer_page.h"
#include "ui/controls.h"

namespace velmar {

class TWarnAdminForm : public InstallerPage {
 public:
  explicit TWarnAdminForm(InstallerContext& app);

  ui::Panel MainPanel{*this, "MainPanel"};
  ui::Panel Panel1{*this, "Panel1"};
  ui::Label WarnLabel{*this, "WarnLabel"};
  ui::Button OkBtn{*this, "OkBtn"};

  // Shows the warning until OK, Enter or Esc.
  void Execute();
};

// Creates the page, shows it and releases it.
void ShowAdminWarning(InstallerContext& app);

}  // namespace velmar
