#include "projects/pick_project_form.h"

#include "base/path_utils.h"
#include "base/text_case.h"
#include "projects/archive_projects.h"
#include "services/text/texts.h"
#include "session/installer_context.h"
#include "ui/page_layout.h"

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
  AddFolder(ProjectTV.Root, Session().MediumRoot + "Projects\\");
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
  const Record* record = SelectedRecord();
  NextBtn.Enabled = record != nullptr;
  ShowStatus(record ? record->Comment : "");
}

void TPickProjectForm::StoreFields() {
  const Record* record = SelectedRecord();
  if (!record || !request_) return;
  request_->ProjectFile = record->ProjectFile;
  request_->Archive = record->Archive;
  request_->ArchiveComment = record->Comment;
}

bool TPickProjectForm::AddFolder(ui::TreeNode& node, const std::string& folder) {
  platform::FileSystem& fs = App().os.files;
  const std::vector<platform::DirEntry> entries = fs.find(folder + "*.*");
  for (const platform::DirEntry& entry : entries) {
    if (!IsPlainFileEntry(entry.attributes)) continue;
    const std::string extension = UpperCaseText(FileExtension(entry.name));
    const std::string path = folder + entry.name;
    if (extension == ".VPR") {
      AddRecord(node, NameWithoutExt(entry.name), tree_image::ProjectFile, {"", path, ""});
    } else if (extension == ".ZIP") {
      // An archive the reader cannot open offers no project.
      const auto archive = ReadArchiveProjects(fs, path);
      if (!archive) continue;
      for (const std::string& stored : archive->ProjectFiles)
        AddRecord(node, entry.name + " : [" + stored + "]", tree_image::ArchiveProject, {path, stored, archive->Comment});
    }
  }
  for (const platform::DirEntry& entry : entries) {
    if (!IsFolderEntry(entry.attributes) || entry.name.empty() || entry.name[0] == '.') continue;
    ui::TreeNode& child = node.Add(entry.name, tree_image::Folder);
    // A folder without projects below it does not appear.
    if (!AddFolder(child, folder + entry.name + "\\")) node.Children.pop_back();
  }
  return !node.Children.empty();
}

void TPickProjectForm::AddRecord(ui::TreeNode& parent, std::string caption, int image, Record record) {
  records_.push_back(std::move(record));
  parent.Add(std::move(caption), image, int64_t(records_.size()));
}

const TPickProjectForm::Record* TPickProjectForm::SelectedRecord() const {
  const ui::TreeNode* node = ProjectTV.Selected;
  if (!node || node->Data <= 0 || size_t(node->Data) > records_.size()) return nullptr;
  return &records_[size_t(node->Data) - 1];
}

}  // namespace velmar
