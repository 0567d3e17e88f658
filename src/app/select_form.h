#pragma once
// The function selection page: F2 to F8 on seven radio buttons.

#include <array>

#include "base/file_types.h"
#include "session/installer_page.h"
#include "ui/controls.h"

namespace velmar {

// The seven functions, F2 to F8; -1 leaves the selection.
enum FunctionIndex : int {
  fnLeave = -1,
  fnInstall = 0,
  fnCustom = 1,
  fnPatch = 2,
  fnProject = 3,
  fnReadme = 4,
  fnExplore = 5,
  fnUninstall = 6,
};

class TSelectForm : public InstallerPage {
 public:
  explicit TSelectForm(InstallerContext& app);

  // Prepares the page for the session and shows it; the chosen function or -1.
  int Execute(bool readmeExists, bool productInstalled);

  ui::Panel Panel1{*this, "Panel1"};
  ui::Label MainLbl{*this, "MainLbl"};
  ui::Bevel Bevel1{*this, "Bevel1"};
  ui::RadioButton InstallRB{*this, "InstallRB"};
  ui::RadioButton CustomRB{*this, "CustomRB"};
  ui::RadioButton PatchRB{*this, "PatchRB"};
  ui::RadioButton ProjectRB{*this, "ProjectRB"};
  ui::RadioButton ViewRB{*this, "ViewRB"};
  ui::RadioButton ExploreRB{*this, "ExploreRB"};
  ui::RadioButton UninstallRB{*this, "UninstallRB"};
  ui::Button ExecuteBtn{*this, "ExecuteBtn"};
  ui::Button CloseBtn{*this, "CloseBtn"};
  ui::Label Label1{*this, "Label1"};

  int Selected() const { return selected_; }
  // "3.04.010" for version 3.4.10.
  static std::string VersionText(const VersionNumbers& version);

 private:
  std::array<ui::RadioButton*, 7> Buttons() {
    return {&InstallRB, &CustomRB, &PatchRB, &ProjectRB, &ViewRB, &ExploreRB, &UninstallRB};
  }
  bool FormKeyDown(ui::Key key);

  int selected_ = fnLeave;
};

}  // namespace velmar
