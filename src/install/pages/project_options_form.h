#pragma once
// The project options page: whether the installation makes a new user
// project, and its name, customer, project file and shortcut name. The
// product flow offers the choice; the custom flow (custom mode) always makes
// its project and names the project file after the project.

#include <string>
#include <string_view>

#include "services/wizard/wizard_page.h"
#include "ui/controls.h"

namespace velmar {

// The folder of a new project, which always lies inside the projects folder:
// a folder typed inside it is kept as typed (case aside); an empty one gives
// the project's name inside it (defaultName when the project has none); any
// other folder contributes only its last name (defaultName when it has none).
// A name that would lead out of the projects folder ("..", a drive) counts as
// none.
std::string ProjectFolderFor(std::string_view typed, std::string_view projectsPath, std::string_view project,
                             std::string_view defaultName);

// How a flow shows the project options page.
struct ProjectPageOptions {
  bool FinishCaption = false;    // Finish on Next
  bool OfferNewProject = false;  // the choice to make a project at all
  bool CustomMode = false;       // the customer's install: the project is made in any case
};

class TProjectOptionsForm : public WizardPage {
 public:
  explicit TProjectOptionsForm(InstallerContext& app);

  // Shows the page: Next, Prev, Cancel, or Cancel too when it was closed
  // otherwise.
  PageResult Execute(int step, const ProjectPageOptions& options);

  ui::CheckBox MakeProjCB{*this, "MakeProjCB"};
  ui::Label PrjNameLbl{*this, "PrjNameLbl"};
  ui::Edit PrjNameEdit{*this, "PrjNameEdit"};
  ui::Label CustNameLbl{*this, "CustNameLbl"};
  ui::Edit CustNameEdit{*this, "CustNameEdit"};
  ui::Label PrjFldrLbl{*this, "PrjFldrLbl"};
  ui::Edit VprPathEdit{*this, "VprPathEdit"};
  ui::Button VPathBtn{*this, "VPathBtn"};
  ui::Label VprNameLbl{*this, "VprNameLbl"};
  ui::Edit VprNameEdit{*this, "VprNameEdit"};
  ui::Label VprExtLbl{*this, "VprExtLbl"};
  ui::Label LnkNamelbl{*this, "LnkNamelbl"};
  ui::Edit LinkNameEdit{*this, "LinkNameEdit"};
  ui::Label LnkExtLbl{*this, "LnkExtLbl"};
  ui::CheckBox DefProjCB{*this, "DefProjCB"};

 private:
  PageResult ClosedResult() const override { return prCancel; }
  void SetTexts() override;
  void LoadFields() override;
  bool Validate(PageResult leavingWith) override;
  void StoreFields() override;

  // Enables the entries when a project is to be made.
  void UpdateEnabling();
  // Trims the edit; when it is then empty, its message follows "ERROR:" in
  // the status line and the edit takes the focus.
  bool Require(ui::Edit& edit, int messageId);
  // The edit holds a plain name; else its message, and the focus goes there.
  bool Plain(ui::Edit& edit, int messageId);

  bool customMode_ = false;
};

}  // namespace velmar
