#include "custom/brenta_pick_vpr_form.h"

#include <algorithm>

#include "base/path_utils.h"
#include "base/text_case.h"
#include "custom/list_page_layout.h"
#include "files/file_utils.h"
#include "projects/archive_projects.h"
#include "session/installer_context.h"
#include "text/texts.h"

namespace velmar {

TBrentaPickVprForm::TBrentaPickVprForm(InstallerContext& app) : WizardPage(app, "TBrentaPickVprForm") {
  PlaceList(*this, SelectLbl, VprLB, ButtonTop());
  VprLB.OnClick = [this] { UpdateNextBtn(); };
  VprLB.OnDblClick = [this] {
    if (VprLB.Selected() && NextBtn.OnClick) NextBtn.OnClick();
  };
}

PageResult TBrentaPickVprForm::Execute() { return Run(1); }

void TBrentaPickVprForm::SetTexts() { SelectLbl.Caption = Text(text::SelectVprFile); }

void TBrentaPickVprForm::LoadFields() {
  platform::FileSystem& fs = App().os.files;
  const std::string folder = Session().Custom.FolderPath;
  std::vector<std::string> names;
  for (const platform::DirEntry& e : fs.find(folder + "*.*")) {
    if (!IsPlainFileEntry(e.attributes)) continue;
    const std::string ext = UpperCaseText(FileExtension(e.name));
    if (ext == ".VPR") names.push_back(e.name);
    if (ext != ".ZIP") continue;
    if (const auto archive = ReadArchiveProjects(fs, folder + e.name))
      for (const std::string& item : archive->ProjectFiles) names.push_back(FileNamePart(item));
  }
  std::stable_sort(names.begin(), names.end(), NtfsNameLess);
  VprLB.Clear();
  for (const std::string& name : names) VprLB.Add(name);
  if (!names.empty()) VprLB.ItemIndex = 0;
}

// Without a project to choose the flow cannot go on.
void TBrentaPickVprForm::UpdateNextBtn() {
  WizardPage::UpdateNextBtn();
  NextBtn.Enabled = VprLB.Selected() != nullptr;
}

void TBrentaPickVprForm::StoreFields() {
  if (const ui::ListItem* line = VprLB.Selected()) Session().Custom.ProjectFileName = line->Text;
}

}  // namespace velmar
