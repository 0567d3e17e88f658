#include "app/warn_admin_form.h"

#include "text/fixed_texts.h"
#include "text/texts.h"

namespace velmar {

TWarnAdminForm::TWarnAdminForm(InstallerContext& app) : InstallerPage(app, "TWarnAdminForm") {
  ClientWidth = 360;
  ClientHeight = 160;
  MainPanel.SetBounds(0, 0, 360, 160);
  MainPanel.Colour = ui::colours::Maroon;
  MainPanel.BevelOuter = ui::BevelCut::None;
  Panel1.SetBounds(8, 8, 344, 144);
  Panel1.BevelWidth = 2;
  WarnLabel.SetBounds(24, 24, 312, 64);
  WarnLabel.WordWrap = true;
  WarnLabel.AutoSize = false;
  WarnLabel.Align = ui::Alignment::Centre;
  OkBtn.SetBounds(140, 104, 80, 28);
  OkBtn.Caption = fixed::WarnAdminOk;
  OkBtn.Default = true;
  OkBtn.Cancel = true;
  OkBtn.OnClick = [this] { Close(); };
}

void TWarnAdminForm::Execute() {
  WarnLabel.Caption = Text(text::AdminRightsRequired);
  ShowModal();
}

void ShowAdminWarning(InstallerContext& app) { TWarnAdminForm(app).Execute(); }

}  // namespace velmar
