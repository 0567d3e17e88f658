#include "projects/pick_project_form.h"

#include "text/texts.h"
#include "session/installer_context.h"
#include "ui/layout/page_layout.h"

namespace velmar {

TPickProjectForm::TPickProjectForm(InstallerContext& app) : WizardPage(app, "TPickProjectForm") {
  using ui::layout::Margin;
  SetPageSize(520, 360);
  const int width = ClientWidth - 2 * Margin;
  SelectLbl.SetBounds(Margin + 4, Margin + 4, width - 4, 16);
  ProjectTV.SetBounds(Margin, Margin + 26, width, ButtonTop() - 2 * Margin - 26);
  ProjectTV.Images = "TREEVIEW_IMGS";
  const auto chosen = [this] { UpdateNextBtn(); };
  ProjectTV.OnChange = chosen;
  ProjectTV.OnClick = chosen;
  ProjectTV.OnDblClick = [this] {
    if (SelectedRecord() && NextBtn.OnClick) NextBtn.OnClick();
  };
  AddProjectTree(App().os.files, ProjectTV.Root, Session().MediumRoot + "Projects\\", records_);
  ProjectTV.Sort();
}

PageResult TPickProjectForm::Execute(int step, ProjectRequest& request) {
  request_ = &request;
  const PageResult result = Run(step);
  request_ = nullptr;
  return result;
}

void TPickProjectForm::SetTexts() { SelectLbl.Caption = Text(text::SelectProject); }

// The status line shows the comment of the project's archive.
void TPickProjectForm::UpdateNextBtn() {
  const ProjectChoice* record = SelectedRecord();
  NextBtn.Enabled = record != nullptr;
  ShowStatus(record ? record->Comment : "");
}

void TPickProjectForm::StoreFields() {
  const ProjectChoice* record = SelectedRecord();
  if (!record || !request_) return;
  request_->ProjectFile = record->ProjectFile;
  request_->Archive = record->Archive;
  request_->ArchiveComment = record->Comment;
}

const ProjectChoice* TPickProjectForm::SelectedRecord() const {
  const ui::TreeNode* node = ProjectTV.Selected;
  if (!node || node->Data <= 0 || size_t(node->Data) > records_.size()) return nullptr;
  return &records_[size_t(node->Data) - 1];
}

}  // namespace velmar
