#include "custom/custom_select_form.h"

#include "custom/custom_installs.h"
#include "custom/list_page_layout.h"
#include "files/ini_file.h"
#include "session/installer_context.h"
#include "text/texts.h"

namespace velmar {
namespace {

TIniFile CustomIni(InstallerContext& app) {
  return OpenCustomIni(app.os.files, app.session, app.os.system.ansiCodePage());
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

}  // namespace velmar
