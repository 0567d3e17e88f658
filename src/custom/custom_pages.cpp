#include "custom/custom_pages.h"

#include <algorithm>

#include "base/path_utils.h"
#include "base/text_case.h"
#include "custom/custom_installs.h"
#include "projects/archive_projects.h"
#include "files/file_utils.h"
#include "files/ini_file.h"
#include "text/texts.h"
#include "session/installer_context.h"
#include "ui/page_layout.h"

namespace velmar {
namespace {

TIniFile CustomIni(InstallerContext& app) {
  return OpenCustomIni(app.os.files, app.session, app.os.system.ansiCodePage());
}

void PlaceList(WizardPage& page, ui::Label& label, ui::ListBox& list, int buttonTop) {
  using ui::layout::Margin;
  const int width = page.ClientWidth - 2 * Margin;
  label.SetBounds(Margin + 4, Margin + 4, width - 4, 16);
  list.SetBounds(Margin, Margin + 26, width, buttonTop - 2 * Margin - 26);
}

}  // namespace

TCustomSelectForm::TCustomSelectForm(InstallerContext& app) : WizardPage(app, "TCustomSelectForm") {
  PlaceList(*this, SelectLbl, CustomLB, ButtonTop());
  CustomLB.OwnerDraw = true;
  CustomLB.ItemHeight = 16;
  CustomLB.OnClick = [this] { UpdateNextBtn(); };
  CustomLB.OnDblClick = [this] {
    if (Choosable() && NextBtn.OnClick) NextBtn.OnClick();
  };
}

PageResult TCustomSelectForm::Execute() { return Run(0); }

void TCustomSelectForm::SetTexts() {
  SelectLbl.Caption = Text(text::SelectCustomInstall);
  NextBtn.Caption = Session().Captions.Ok;
  PrevBtn.Visible = false;
}

void TCustomSelectForm::LoadFields() {
  InstallSession& s = Session();
  platform::FileSystem& fs = App().os.files;
  const TIniFile ini = CustomIni(App());
  CustomLB.Clear();
  for (size_t k = 0; k < s.CustomInstallList.size(); ++k) {
    const std::string& section = s.CustomInstallList[k];
    if (!ini.SectionExists(section)) continue;
    const CustomInstallEntry entry = ReadCustomInstallEntry(ini, section);
    if (!IsListedCustomInstall(fs, s, entry)) continue;
    const bool project = HasCustomProject(fs, CustomFolderPath(s, entry.Folder));
    CustomLB.Add(CustomSelectLine(s, entry), static_cast<int64_t>(k) | (project ? HasProject : 0));
    if (!project) {
      CustomLB.Items.back().TextColour = ui::colours::Maroon;
      CustomLB.Items.back().SelectedTextColour = ui::colours::Red;
    }
  }
  if (!CustomLB.Items.empty()) CustomLB.ItemIndex = 0;
}

bool TCustomSelectForm::Choosable() const {
  const ui::ListItem* line = CustomLB.Selected();
  return line && (line->Data & HasProject);
}

void TCustomSelectForm::UpdateNextBtn() {
  WizardPage::UpdateNextBtn();
  NextBtn.Enabled = Choosable();
}

void TCustomSelectForm::StoreFields() {
  if (!Choosable()) return;
  InstallSession& s = Session();
  const size_t position = static_cast<size_t>(CustomLB.Selected()->Data & (HasProject - 1));
  const TIniFile ini = CustomIni(App());
  const std::string& section = s.CustomInstallList[position];
  if (ini.SectionExists(section)) ChooseCustomInstall(App().os.files, s, ReadCustomInstallEntry(ini, section));
}

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

TBrentaPortForm::TBrentaPortForm(InstallerContext& app, PortTest test)
    : WizardPage(app, "TBrentaPortForm"), test_(std::move(test)) {
  using ui::layout::Margin;
  SelectLbl.SetBounds(Margin + 4, Margin + 4, ClientWidth - 2 * Margin - 4, 16);
  for (int k = 0; k < 4; ++k) {
    ui::RadioButton& rb = *Buttons(k);
    rb.SetBounds(Margin + 24, Margin + 36 + 28 * k, 160, 24);
    rb.Group = 1;
    rb.Caption = "COM &" + std::to_string(k + 1);
  }
}

ui::RadioButton* TBrentaPortForm::Buttons(int k) {
  ui::RadioButton* const buttons[] = {&Com1RB, &Com2RB, &Com3RB, &Com4RB};
  return buttons[k];
}

PageResult TBrentaPortForm::Execute() {
  const PageResult result = Run(1);
  if (result != prNext) return result;
  int& port = Session().BrentaComPort;
  port = 0;
  for (int k = 0; k < 4 && port == 0; ++k)
    if (Buttons(k)->Checked()) port = k + 1;
  return result;
}

void TBrentaPortForm::SetTexts() { SelectLbl.Caption = Text(text::SelectDriverPort); }

void TBrentaPortForm::LoadFields() {
  bool selected = false;
  for (int k = 0; k < 4; ++k) {
    ui::RadioButton& rb = *Buttons(k);
    rb.SetChecked(false);
    rb.Enabled = test_(k + 1);
    if (rb.Enabled && !selected) {
      rb.SetChecked(true);
      selected = true;
    }
  }
}

}  // namespace velmar
