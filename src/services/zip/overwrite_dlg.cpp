#include "services/zip/overwrite_dlg.h"

#include "ui/page_layout.h"

namespace velmar {

TOverwriteDlg::TOverwriteDlg(InstallerContext& app) : InstallerPage(app, "TOverwriteDlg") {
  Border = ui::PageBorder::Dialog;
  Caption = "Overwrite file";
  ClientWidth = 520;
  ClientHeight = 130;
  const int margin = ui::layout::Margin;
  QuestionLbl.SetBounds(margin, margin, ClientWidth - 2 * margin, 20);
  QuestionLbl.Caption = "Overwrite exisiting file ?";
  FileLbl.SetBounds(margin, 40, ClientWidth - 2 * margin, 32);
  FileLbl.AutoSize = false;
  FileLbl.WordWrap = true;
  FileLbl.ShowAccelChar = false;
  const struct {
    ui::Button& button;
    const char* caption;
    OverwriteAnswer answer;
  } buttons[] = {{YesBtn, "&Yes", owYes},
                 {YesToAllBtn, "Yes to &all", owYesToAll},
                 {NoBtn, "&No", owNo},
                 {NoToAllBtn, "No &to all", owNoToAll},
                 {CancelBtn, "&Cancel", owCancel}};
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
