#include "services/wizard/welcome_form.h"

#include "text/texts.h"
#include "session/installer_context.h"
#include "ui/layout/page_layout.h"

namespace velmar {

TWelcomeForm::TWelcomeForm(InstallerContext& app) : InstallerPage(app, "TWelcomeForm") {
  ui::layout::Frame(*this, Panel1, 480, 380);
  ui::layout::InstallerPicture(Img);
  int top = 16;
  for (ui::Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5}) {
    label->SetBounds(ui::layout::ContentLeft, top, 316, 60);  // four lines of the longest translation
    label->AutoSize = false;
    label->WordWrap = true;
    top += 62;
  }
  ui::layout::ButtonRow({&NextBtn, &CancelBtn}, 100, ClientWidth, ClientHeight);
  NextBtn.Glyph = "BTN_NEXT";
  NextBtn.Default = true;
  NextBtn.OnClick = [this] {
    result_ = prNext;
    Close();
  };
  CancelBtn.Glyph = "BTN_CANCEL";
  CancelBtn.Cancel = true;
  CancelBtn.OnClick = [this] {
    result_ = prGateCancel;
    Close();
  };
}

PageResult TWelcomeForm::Execute() {
  result_ = prNone;
  NextBtn.Caption = Session().Captions.Next;
  CancelBtn.Caption = Session().Captions.Cancel;
  Label1.Caption = Text(text::WelcomeIntro);
  Label2.Caption = Text(text::WelcomeExitPrograms);
  Label3.Caption = Text(text::WelcomeHowToGoOn);
  ShowModal();
  return result_;
}

}  // namespace velmar
