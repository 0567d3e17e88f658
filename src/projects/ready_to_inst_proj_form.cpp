#include "projects/ready_to_inst_proj_form.h"

#include "base/path_utils.h"
#include "text/texts.h"
#include "ui/layout/page_layout.h"

namespace velmar {

TReadyToInstProjForm::TReadyToInstProjForm(InstallerContext& app) : WizardPage(app, "TReadyToInstProjForm") {
  using ui::layout::Margin;
  // Nothing on the page is typed, so it needs no status line.
  StatBar.Visible = false;
  SetPageSize(520, 240);
  for (ui::Label* label : {&ReadyLbl, &ProjectLbl, &ZipFileLbl, &ZipCommentLbl, &FolderLbl, &LinkLbl}) {
    label->SetBounds(Margin + 12, 0, ClientWidth - 2 * Margin - 24, 16);
    label->AutoSize = false;
    // Names, paths and comments show as they are, an "&" too.
    label->ShowAccelChar = false;
  }
}

PageResult TReadyToInstProjForm::Execute(int step, const ProjectRequest& request) {
  request_ = &request;
  const PageResult result = Run(step, true);
  request_ = nullptr;
  return result;
}

// The project line names the chosen project file without its extension.
void TReadyToInstProjForm::SetTexts() {
  const ProjectRequest& r = *request_;
  ReadyLbl.Caption = Text(text::ReadyToInstallProject);
  ProjectLbl.Caption = NameWithoutExt(r.ProjectFile);
  ZipFileLbl.Caption = r.Archive;
  ZipCommentLbl.Caption = r.ArchiveComment;
  FolderLbl.Caption = TextWith(text::IntoFolder, WithoutBackslash(r.TargetFolder));
  LinkLbl.Caption = Text(text::ShortcutNameLabel) + " = " + r.ShortcutName;
  // A project file of the medium has no archive lines; the others close up.
  ZipFileLbl.Visible = ZipCommentLbl.Visible = !r.Archive.empty();
  int top = ui::layout::Margin + 12;
  for (ui::Label* label : {&ReadyLbl, &ProjectLbl, &ZipFileLbl, &ZipCommentLbl, &FolderLbl, &LinkLbl}) {
    if (!label->Visible) continue;
    label->Bounds.top = top;
    top += label == &ReadyLbl || label == &ZipCommentLbl || (label == &ProjectLbl && !ZipFileLbl.Visible) ? 32 : 22;
  }
}

}  // namespace velmar
