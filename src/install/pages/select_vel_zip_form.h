#pragma once
// The version page: the product releases on the medium, the newest (the
// archive with the greatest name) at the top and chosen when the page opens.

#include "services/wizard/wizard_page.h"

namespace velmar {

class TSelectVelZipForm : public WizardPage {
 public:
  explicit TSelectVelZipForm(InstallerContext& app);

  // Lists the releases of ProductArchiveList, selects the top one and shows
  // the page; whatever closes it, SelectedVersion is the selected release
  // (0 when the list is empty).
  PageResult Execute(int step, bool finishCaption);

  ui::Label SelectLbl{*this, "SelectLbl"};
  ui::ListBox VersionLB{*this, "VersionLB"};

 private:
  void SetTexts() override;
  void LoadFields() override;
  void PageClosed() override;
};

}  // namespace velmar
