#include "app/select_form.h"

#include "custom/custom_installs.h"
#include "files/file_utils.h"
#include "base/path_utils.h"
#include "text/language_support.h"
#include "text/texts.h"
#include "session/installer_context.h"
#include "ui/host.h"
#include "ui/layout/page_layout.h"

namespace velmar {

TSelectForm::TSelectForm(InstallerContext& app) : InstallerPage(app, "TSelectForm") {
  ui::layout::Frame(*this, Panel1, 440, 330);
  KeyPreview = true;
  OnKeyDown = [this](ui::Key key) { return FormKeyDown(key); };

  MainLbl.SetBounds(24, 16, 392, 20);
  MainLbl.Font = ui::Font{"Arial", 12, true, ui::colours::Navy};
  Bevel1.SetBounds(16, 44, 408, 214);
  Bevel1.Shape = ui::BevelShape::Frame;

  int top = 56;
  const auto buttons = Buttons();
  for (size_t i = 0; i < buttons.size(); ++i) {
    ui::RadioButton& rb = *buttons[i];
    rb.SetBounds(32, top, 376, 24);
    rb.Group = 1;
    rb.OnClick = [this, &rb, i] {
      if (rb.Checked()) {
        selected_ = static_cast<int>(i);
        ExecuteBtn.Enabled = true;
      }
    };
    top += 28;
  }

  ExecuteBtn.SetBounds(136, 276, 140, 30);
  ExecuteBtn.Glyph = "BTN_NEXT";
  ExecuteBtn.OnClick = [this] { Close(); };
  CloseBtn.SetBounds(288, 276, 136, 30);
  CloseBtn.Glyph = "BTN_CANCEL";
  CloseBtn.OnClick = [this] {
    selected_ = fnLeave;
    Close();
  };
  Label1.SetBounds(16, 300, 100, 16);
  Label1.Font = ui::Font{"Arial", 8, false, ui::colours::Grey};
}

std::string TSelectForm::VersionText(const VersionNumbers& v) {
  return std::to_string(v.major) + "." + PadNumber(v.minor, 2, '0') + "." + PadNumber(v.release, 3, '0');
}

int TSelectForm::Execute(bool readmeExists, bool productInstalled) {
  const InstallSession& s = Session();
  selected_ = fnLeave;
  for (ui::RadioButton* rb : Buttons()) rb->SetChecked(false);

  InstallRB.Enabled = !s.ProductInstalledNow && s.HasVelmarFolder && !s.ProductArchiveList.empty();
  // A custom install installs the product too: without a release it has nothing to install.
  CustomRB.Enabled = !s.ProductInstalledNow && s.HasCustomInstalls && !s.ProductArchiveList.empty();
  CustomRB.Visible = s.HasCustomInstalls;
  PatchRB.Enabled = s.HasPatchFolder && !s.PatchArchiveList.empty();
  PatchRB.Visible = PatchRB.Enabled;
  ProjectRB.Enabled = s.HasProjectsFolder && s.ProjectFilesFound;
  ViewRB.Enabled = readmeExists;
  ExploreRB.Enabled = s.ToolsAvailable;
  UninstallRB.Enabled = productInstalled;
  // The visible lines close up, so a hidden line leaves no gap.
  int top = 56;
  for (ui::RadioButton* rb : Buttons()) {
    if (!rb->Visible) continue;
    rb->Bounds.top = top;
    top += 28;
  }

  const auto t = [this](int id) { return Text(id); };
  MainLbl.Caption = t(text::SelectFunction);
  InstallRB.Caption = "F2: " + t(text::InstallVelmar);
  const std::string& customTitle = CustomTitle(s);
  CustomRB.Caption = "F3: " + (customTitle.empty() ? t(text::SpecialInstall) : customTitle);
  PatchRB.Caption = "F4: " + t(text::InstallPatch);
  ProjectRB.Caption = "F5: " + t(text::InstallProject);
  ViewRB.Caption = "F6: " + t(text::ViewReadme);
  ExploreRB.Caption = "F7: " + t(text::ExploreUtilities);
  UninstallRB.Caption = "F8: " + t(text::UninstallVelmar);
  ExecuteBtn.Caption = t(text::ContinueEnter);
  CloseBtn.Caption = t(text::ExitEsc);
  Label1.Caption = VersionText(s.InstallerVersion);

  ExecuteBtn.Enabled = false;
  ShowModal();
  return selected_;
}

bool TSelectForm::FormKeyDown(ui::Key key) {
  if (key >= ui::Key::F2 && key <= ui::Key::F8) {
    ui::RadioButton& rb = *Buttons()[static_cast<int>(key) - static_cast<int>(ui::Key::F2)];
    if (rb.Enabled) {
      rb.SetChecked(true);
      Close();
    }
    return true;
  }
  if (key == ui::Key::Enter) {
    if (selected_ != fnLeave) Close();
    return true;
  }
  if (key == ui::Key::Escape) {
    selected_ = fnLeave;
    Close();
    return true;
  }
  return false;
}

}  // namespace velmar
