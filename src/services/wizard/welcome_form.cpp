#include "services/wizard/welcome_form.h"

#include "session/installer_context.h"
#include "services/text/language.h"

namespace velmar {

TWelcomeForm::TWelcomeForm(ui::Host& host) : Page(host, "TWelcomeForm") {
  ClientWidth = 480;
  ClientHeight = 300;
  Panel1.SetBounds(0, 0, ClientWidth, ClientHeight);
  Panel1.BevelWidth = 3;
  Img.SetBounds(12, 12, 120, 240);
  Img.LoadBuiltIn("INSTALLER_IMG");
  int top = 16;
  for (ui::Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5}) {
    label->SetBounds(148, top, 316, 44);
    label->AutoSize = false;
    label->WordWrap = true;
    top += 48;
  }
  NextBtn.SetBounds(256, 258, 100, 30);
  NextBtn.Glyph = "BTN_NEXT";
  NextBtn.Default = true;
  NextBtn.OnClick = [this] {
    result_ = prNext;
    Close();
  };
  CancelBtn.SetBounds(364, 258, 100, 30);
  CancelBtn.Glyph = "BTN_CANCEL";
  CancelBtn.Cancel = true;
  CancelBtn.OnClick = [this] {
    result_ = prGateCancel;
    Close();
  };
}

PageResult TWelcomeForm::Execute(InstallerContext& app) {
  result_ = prNone;
  NextBtn.Caption = app.session.Captions.Next;
  CancelBtn.Caption = app.session.Captions.Cancel;
  const auto t = [&app](int id, const char* text) { return app.texts.Translate(16, id, text); };
  Label1.Caption = t(41,
                     "Welcome to the Velmar setup program. This program will install Velmar, or an Velmar project, "
                     "on to your computer. This program can also be used to uninstall Velmar from the computer.");
  Label2.Caption = t(42, "It is strongly recommended that you exit all Windows programs before running this Setup "
                         "program.");
  Label3.Caption = t(43, "Click cancel to stop this Setup and then close any running programs. Click Next to "
                         "continue with the Setup program.");
  ShowModal();
  return result_;
}

}  // namespace velmar
