#include "services/wizard/licence_form.h"

#include "session/installer_context.h"
#include "services/text/language.h"

namespace velmar {

std::vector<std::string> LicenceLines(const LanguageSupport& texts) {
  std::vector<std::string> lines;
  for (int id = TLicenceForm::FirstLineId; id < TLicenceForm::FirstLineId + TLicenceForm::LineCount; ++id) {
    std::string line = texts.Translate(16, id, "");
    if (!line.empty() && line[0] == '$') line.replace(0, 1, "\xC2\xA7");
    lines.push_back(std::move(line));
  }
  return lines;
}

TLicenceForm::TLicenceForm(ui::Host& host) : Page(host, "TLicenceForm") {
  ClientWidth = 520;
  ClientHeight = 360;
  Panel1.SetBounds(0, 0, ClientWidth, ClientHeight);
  Panel1.BevelWidth = 3;
  Img.SetBounds(12, 12, 120, 240);
  Img.LoadBuiltIn("INSTALLER_IMG");
  Label1.SetBounds(148, 12, 360, 32);
  Label1.AutoSize = false;
  Label1.WordWrap = true;
  Memo.SetBounds(148, 48, 360, 200);
  Memo.ReadOnly = true;
  Memo.ScrollBars = ui::ScrollBars::Vertical;
  Label2.SetBounds(148, 254, 360, 48);
  Label2.AutoSize = false;
  Label2.WordWrap = true;
  AcceptBtn.SetBounds(240, 314, 130, 30);
  AcceptBtn.Glyph = "BTN_CHECK";
  AcceptBtn.OnClick = [this] {
    app_->LogLine("Software licence accepted by user");
    result_ = prNext;
    Close();
  };
  RejectBtn.SetBounds(378, 314, 130, 30);
  RejectBtn.Glyph = "BTN_CANCEL";
  RejectBtn.OnClick = [this] {
    result_ = prGateCancel;
    Close();
  };
}

PageResult TLicenceForm::Execute(InstallerContext& app) {
  app_ = &app;
  result_ = prNone;
  const auto t = [&app](int id, const char* text) { return app.texts.Translate(16, id, text); };
  AcceptBtn.Caption = t(46, "&Accept terms");
  RejectBtn.Caption = t(47, "&Reject terms");
  Label1.Caption = t(48, "Please read the following License Agreement. Press the PAGE DOWN key to see the rest of "
                         "the agreement.");
  Label2.Caption = t(49, "Do you accept the terms of this License Agreement ? If you choose NO, Setup will close. "
                         "To continue with the installation you must accept this agreement.");
  Memo.Lines = LicenceLines(app.texts);
  ShowModal();
  return result_;
}

}  // namespace velmar
