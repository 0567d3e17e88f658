#include "patch/patch_ready_form.h"

#include "text/texts.h"
#include "session/installer_context.h"
#include "ui/layout/page_layout.h"

namespace velmar {

TPatchReadyForm::TPatchReadyForm(InstallerContext& app) : WizardPage(app, "TPatchReadyForm") {
  using ui::layout::Margin;
  StatBar.Visible = false;
  SetPageSize(DefaultWidth, 220);
  const int left = Margin + 12, width = ClientWidth - 2 * left;
  ReadyLbl.SetBounds(left, Margin + 12, width, 16);
  PatchLbl.SetBounds(left, Margin + 40, width, 32);
  CommentLbl.SetBounds(left, Margin + 76, width, ButtonTop() - Margin - 80);
  for (ui::Label* label : {&ReadyLbl, &PatchLbl, &CommentLbl}) {
    label->AutoSize = false;
    label->ShowAccelChar = false;
  }
  PatchLbl.WordWrap = CommentLbl.WordWrap = true;
}

PageResult TPatchReadyForm::Execute(int step, const std::string& name, const std::string& comment) {
  ReadyLbl.Caption = Text(text::ReadyToInstallPatch);
  PatchLbl.Caption = Session().MediumRoot + "Patch\\" + name;
  CommentLbl.Caption = comment;
  return Run(step, true);
}

}  // namespace velmar
