#include "patch/install_patch_form.h"

#include "base/errors.h"
#include "files/file_utils.h"
#include "text/texts.h"
#include "session/installer_context.h"
#include "ui/layout/page_layout.h"

namespace velmar {

TInstallPatchForm::TInstallPatchForm(InstallerContext& app)
    : WizardPage(app, "TInstallPatchForm"), zip_(app.os.files) {
  using ui::layout::Margin;
  // Nothing on the page is typed, so it needs no status line.
  StatBar.Visible = false;
  SetPageSize(DefaultWidth, DefaultHeight);
  const int width = ClientWidth - 2 * Margin;
  SelectLbl.SetBounds(Margin + 4, Margin + 4, width - 4, 16);
  PatchLB.SetBounds(Margin, Margin + 26, width, 120);
  const int memoTop = PatchLB.Bounds.top + PatchLB.Bounds.height + 8;
  CommentMemo.SetBounds(Margin, memoTop, width, ButtonTop() - Margin - memoTop);
  CommentMemo.ReadOnly = true;
  CommentMemo.ScrollBars = ui::ScrollBars::Vertical;
  PatchLB.OnClick = [this] {
    ShowComment();
    UpdateNextBtn();
  };
}

PatchChoice TInstallPatchForm::Execute(int step) {
  chosen_.clear();
  PatchChoice choice;
  choice.Result = Run(step);
  choice.Name = chosen_;
  for (size_t i = 0; i < CommentMemo.Lines.size(); ++i) choice.Comment += (i ? "\r\n" : "") + CommentMemo.Lines[i];
  return choice;
}

void TInstallPatchForm::SetTexts() { SelectLbl.Caption = Text(text::SelectPatch); }

void TInstallPatchForm::LoadFields() {
  PatchLB.Clear();
  for (const auto& [archive, unused] : Session().PatchArchiveList) PatchLB.Add(archive);
  if (!PatchLB.Items.empty()) PatchLB.ItemIndex = 0;
  ShowComment();
}

// Without an archive to install there is nothing to go on with.
void TInstallPatchForm::UpdateNextBtn() { NextBtn.Enabled = PatchLB.Selected() != nullptr; }

void TInstallPatchForm::StoreFields() {
  if (const ui::ListItem* row = PatchLB.Selected()) chosen_ = row->Text;
}

void TInstallPatchForm::ShowComment() {
  CommentMemo.Lines.clear();
  const ui::ListItem* row = PatchLB.Selected();
  if (!row) return;
  const std::string path = Session().MediumRoot + "Patch\\" + row->Text;
  if (!FileExists(App().os.files, path)) return;
  try {
    zip_.SetFileName(path);
    CommentMemo.SetText(zip_.ZipfileComment());
    zip_.SetFileName("");
  } catch (const InstallerError&) {
    // An archive the reader cannot open has no comment to show.
  }
}

}  // namespace velmar
