#include "services/wizard/licence_form.h"

#include "text/language_support.h"
#include "text/texts.h"
#include "session/installer_context.h"
#include "ui/layout/page_layout.h"

namespace velmar {

std::vector<std::string> LicenceLines(const LanguageSupport& texts) {
  std::vector<std::string> lines;
  for (int id = text::LicenceFirstLine; id < text::LicenceFirstLine + text::LicenceLineCount; ++id) {
    std::string line = texts.Text(id);
    if (!line.empty() && line[0] == '$') line.replace(0, 1, "\xC2\xA7");
    lines.push_back(std::move(line));
  }
  return lines;
}

TLicenceForm::TLicenceForm(InstallerContext& app) : InstallerPage(app, "TLicenceForm") {
  ui::layout::Frame(*this, Panel1, 520, 360);
  ui::layout::InstallerPicture(Img);
  const int left = ui::layout::ContentLeft, width = ClientWidth - left - ui::layout::Margin;
  Label1.SetBounds(left, 12, width, 32);
  Label1.AutoSize = false;
  Label1.WordWrap = true;
  Memo.SetBounds(left, 48, width, 200);
  Memo.ReadOnly = true;
  Memo.ScrollBars = ui::ScrollBars::Vertical;
  Label2.SetBounds(left, 254, width, 48);
  Label2.AutoSize = false;
  Label2.WordWrap = true;
  ui::layout::ButtonRow({&AcceptBtn, &RejectBtn}, 150, ClientWidth, ClientHeight);
  AcceptBtn.Glyph = "BTN_CHECK";
  AcceptBtn.OnClick = [this] {
    App().LogLine("Software licence accepted by user");
    result_ = prNext;
    Close();
  };
  RejectBtn.Glyph = "BTN_CANCEL";
  RejectBtn.OnClick = [this] {
    result_ = prGateCancel;
    Close();
  };
}

PageResult TLicenceForm::Execute() {
  result_ = prNone;
  AcceptBtn.Caption = Text(text::AcceptTerms);
  RejectBtn.Caption = Text(text::RejectTerms);
  Label1.Caption = Text(text::LicenceReadBelow);
  Label2.Caption = Text(text::LicenceQuestion);
  Memo.Lines = LicenceLines(App().texts);
  ShowModal();
  return result_;
}

}  // namespace velmar
