#pragma once
// The warning about administrator rights, shown before the function selection.

#include <functional>
#include <string>

#include "ui/controls.h"
#include "ui/page.h"

namespace velmar {

// Looks up a user-visible text by group and id, with its English default.
using TranslateFn = std::function<std::string(int group, int id, const std::string& defaultText)>;

class TWarnAdminForm : public ui::Page {
 public:
  TWarnAdminForm(ui::Host& host, const TranslateFn& translate);

  ui::Panel MainPanel{*this, "MainPanel"};
  ui::Panel Panel1{*this, "Panel1"};
  ui::Label WarnLabel{*this, "WarnLabel"};
  ui::Button OkBtn{*this, "OkBtn"};
};

// Creates the page, shows it until OK, Enter or Esc, and releases it.
void ShowAdminWarning(ui::Host& host, const TranslateFn& translate);

}  // namespace velmar
