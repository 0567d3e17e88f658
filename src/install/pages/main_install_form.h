#pragma once
// The folder page of the install flows: the product's program folder, the
// folder for the user's projects and the folder of the project shortcuts the
// project manager lists. Leaving it with Next or Prev creates the folders.

#include <array>
#include <string>

#include "services/wizard/wizard_page.h"

namespace velmar {

// How a flow shows the folder page.
struct FolderPageOptions {
  bool FinishCaption = false;      // Finish on Next
  bool ProductFolderOnly = false;  // the product folder alone (the patch flow)
};

class TMainInstallForm : public WizardPage {
 public:
  explicit TMainInstallForm(InstallerContext& app);

  // Shows the session's folders. Next and Prev leave only when every shown folder exists or could be
  // created; each one that does is stored as typed, trimmed of blanks.
  PageResult Execute(int step, const FolderPageOptions& options = {});

  ui::Panel VelPathPanel{*this, "VelPathPanel"};
  ui::Label VelDescLbl{*this, "VelDescLbl"};
  ui::Label VelPathLbl{*this, "VelPathLbl"};
  ui::Edit VelPathEdit{*this, "VelPathEdit"};
  ui::Button VPathBtn{*this, "VPathBtn"};

  ui::Panel ProjPathPanel{*this, "ProjPathPanel"};
  ui::Label ProjDescLbl{*this, "ProjDescLbl"};
  ui::Label ProjPathLbl{*this, "ProjPathLbl"};
  ui::Edit ProjPathEdit{*this, "ProjPathEdit"};
  ui::Button PPathBtn{*this, "PPathBtn"};

  ui::Panel LinkPathPanel{*this, "LinkPathPanel"};
  ui::Label LinkDescLbl{*this, "LinkDescLbl"};
  ui::Label LinkPathLbl{*this, "LinkPathLbl"};
  ui::Edit LinkPathEdit{*this, "LinkPathEdit"};
  ui::Button LPathBtn{*this, "LPathBtn"};

 private:
  // One framed panel: its controls, its texts and the session's folder.
  struct FolderPanel {
    ui::Panel& panel;
    ui::Label& description;
    ui::Label& label;
    ui::Edit& edit;
    ui::Button& browseBtn;
    int descriptionId;
    int labelId;
    std::string InstallSession::*folder;
  };

  void SetTexts() override;
  void LoadFields() override;
  bool Validate(PageResult leavingWith) override;

  // Shows the first `count` panels one below the other and fits the page to them.
  void ShowPanels(int count);

  std::array<FolderPanel, 3> panels_;
  int shownPanels_ = 3;
};

}  // namespace velmar
