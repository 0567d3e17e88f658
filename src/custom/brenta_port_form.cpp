#include "custom/brenta_port_form.h"

#include "session/installer_context.h"
#include "text/texts.h"
#include "ui/layout/page_layout.h"

namespace velmar {

TBrentaPortForm::TBrentaPortForm(InstallerContext& app, PortTest test)
    : WizardPage(app, "TBrentaPortForm"), test_(std::move(test)) {
  using ui::layout::Margin;
  SelectLbl.SetBounds(Margin + 4, Margin + 4, ClientWidth - 2 * Margin - 4, 16);
  for (int k = 0; k < 4; ++k) {
    ui::RadioButton& rb = *Buttons(k);
    rb.SetBounds(Margin + 24, Margin + 36 + 28 * k, 160, 24);
    rb.Group = 1;
    rb.Caption = "COM &" + std::to_string(k + 1);
  }
}

ui::RadioButton* TBrentaPortForm::Buttons(int k) {
  ui::RadioButton* const buttons[] = {&Com1RB, &Com2RB, &Com3RB, &Com4RB};
  return buttons[k];
}

PageResult TBrentaPortForm::Execute() {
  const PageResult result = Run(1);
  if (result != prNext) return result;
  int& port = Session().BrentaComPort;
  port = 0;
  for (int k = 0; k < 4 && port == 0; ++k)
    if (Buttons(k)->Checked()) port = k + 1;
  return result;
}

void TBrentaPortForm::SetTexts() { SelectLbl.Caption = Text(text::SelectDriverPort); }

void TBrentaPortForm::LoadFields() {
  bool selected = false;
  for (int k = 0; k < 4; ++k) {
    ui::RadioButton& rb = *Buttons(k);
    rb.SetChecked(false);
    rb.Enabled = test_(k + 1);
    if (rb.Enabled && !selected) {
      rb.SetChecked(true);
      selected = true;
    }
  }
}

}  // namespace velmar
