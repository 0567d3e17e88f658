#include "projects/unique_name_dlg.h"

#include "base/path_utils.h"
#include "projects/project_request.h"
#include "text/texts.h"
#include "services/wizard/wizard_page.h"
#include "session/installer_context.h"
#include "ui/layout/page_layout.h"

namespace velmar {

TUniqueNameDlg::TUniqueNameDlg(InstallerContext& app) : InstallerPage(app, "TUniqueNameDlg") {
  using ui::layout::Margin;
  const int width = 480, height = 170, statusHeight = StatBar.Bounds.height;
  ui::layout::Frame(*this, Panel1, width, height, statusHeight);
  StatBar.SetBounds(0, height - statusHeight, width, statusHeight);
  MsgLbl.SetBounds(Margin + 4, Margin + 4, width - 2 * Margin - 8, 32);
  MsgLbl.AutoSize = false;
  MsgLbl.WordWrap = true;
  NameEdit.SetBounds(Margin + 4, Margin + 44, width - 2 * Margin - 8, 21);
  ui::layout::ButtonRow({&OkBtn, &CancelBtn}, 100, width, height - statusHeight);
  OkBtn.Glyph = "BTN_CHECK";
  CancelBtn.Glyph = "BTN_CANCEL";
  CancelBtn.Cancel = true;
  OkBtn.OnClick = [this] {
    accepted_ = true;
    Close();
  };
  CancelBtn.OnClick = [this] { Close(); };
  NameEdit.OnExit = [this] { Check(); };
  // OK follows what is typed; the box shows the formed name once it is left.
  NameEdit.OnChange = [this] { Show(Form()); };
  KeyPreview = true;
  OnKeyDown = [this](ui::Key key) {
    if (key != ui::Key::Enter || Focused() != &NameEdit) return false;
    if (Check()) {
      accepted_ = true;
      Close();
    }
    return true;
  };
  ActiveControl = &NameEdit;
}

std::string TUniqueNameDlg::Execute(const std::string& fileName) {
  folder_ = FileFolderPart(fileName);
  extension_ = FileExtension(fileName);
  accepted_ = false;
  OkBtn.Caption = Session().Captions.Ok;
  CancelBtn.Caption = Session().Captions.Cancel;
  MsgLbl.Caption = Text(text::FileNameInUseMessage);
  NameEdit.Text = fileName;
  Check();
  ShowModal();
  // Closed without OK (Cancel, Esc, or by the system) gives no name.
  if (!accepted_ || !Check()) return "";
  return NameEdit.Text;
}

TUniqueNameDlg::Formed TUniqueNameDlg::Form() const {
  const std::string typed = TrimBlanks(NameEdit.Text);
  // A folder typed with "/" counts as one, as Windows takes it.
  const size_t cut = typed.find_last_of("\\/:");
  const std::string name = NameWithoutExt(cut == std::string::npos ? typed : typed.substr(cut + 1));
  Formed formed{folder_ + name + extension_, false, false};
  formed.taken = App().os.files.attributes(formed.path).has_value();
  formed.usable = IsPlainName(name) && !formed.taken;
  return formed;
}

void TUniqueNameDlg::Show(const Formed& formed) {
  OkBtn.Enabled = formed.usable;
  StatBar.Text = formed.taken ? Text(text::FileNameInUse) : "";
}

bool TUniqueNameDlg::Check() {
  const Formed formed = Form();
  NameEdit.Text = formed.path;
  Show(formed);
  return formed.usable;
}

}  // namespace velmar
