#include "services/zip/overwrite_dlg.h"

#include "text/fixed_texts.h"
#include "ui/layout/page_layout.h"

namespace velmar {

TOverwriteDlg::TOverwriteDlg(InstallerContext& app) : InstallerPage(app, "TOverwriteDlg") {
  Border = ui::PageBorder::Dialog;
  Caption = fixed::OverwriteCaption;
  ClientWidth = 520;
  ClientHeight = 130;
  const int margin = ui::layout::Margin;
  QuestionLbl.SetBounds(margin, margin, ClientWidth - 2 * margin, 20);
  QuestionLbl.Caption = fixed::OverwriteQuestion;
  FileLbl.SetBounds(margin, 40, ClientWidth - 2 * margin, 32);
  FileLbl.AutoSize = false;
  FileLbl.WordWrap = true;
  FileLbl.ShowAccelChar = false;
  const struct {
    ui::Button& button;
    std::string_view caption;
    OverwriteAnswer answer;
  } buttons[] = {{YesBtn, fixed::OverwriteYes, owYes},
                 {YesToAllBtn, fixed::OverwriteYesToAll, owYesToAll},
                 {NoBtn, fixed::OverwriteNo, owNo},
                 {NoToAllBtn, fixed::OverwriteNoToAll, owNoToAll},
                 {CancelBtn, fixed::OverwriteCancel, owCancel}};
  ui::layout::ButtonRow({&YesBtn, &YesToAllBtn, &NoBtn, &NoToAllBtn, &CancelBtn}, 92, ClientWidth, ClientHeight);
  for (const auto& b : buttons) {
    b.button.Caption = b.caption;
    b.button.OnClick = [this, answer = b.answer] {
      answer_ = answer;
      Close();
    };
  }
  YesBtn.Default = true;
  ActiveControl = &YesBtn;
}

OverwriteAnswer TOverwriteDlg::Execute(const std::string& fileName) {
  answer_ = owNo;
  FileLbl.Caption = fileName;
  ShowModal();
  return answer_;
}

}  // namespace velmar
