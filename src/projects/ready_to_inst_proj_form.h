#pragma once
// The ready page of the project installation: the project, its archive and
// comment, the target folder and the shortcut's name. Its Next (shown as
// Finish) starts the placement.

#include "projects/project_request.h"
#include "services/wizard/wizard_page.h"
#include "ui/controls.h"

namespace velmar {

class TReadyToInstProjForm : public WizardPage {
 public:
  explicit TReadyToInstProjForm(InstallerContext& app);

  // Install for Next, Prev, Cancel, or None when the page was closed otherwise.
  PageResult Execute(int step, const ProjectRequest& request);

  ui::Label ReadyLbl{*this, "ReadyLbl"};
  ui::Label ProjectLbl{*this, "ProjectLbl"};
  ui::Label ZipFileLbl{*this, "ZipFileLbl"};
  ui::Label ZipCommentLbl{*this, "ZipCommentLbl"};
  ui::Label FolderLbl{*this, "FolderLbl"};
  ui::Label LinkLbl{*this, "LinkLbl"};

 private:
  bool PrevEnabled(int) const override { return true; }
  PageResult NextResult() const override { return prInstall; }
  void SetTexts() override;

  const ProjectRequest* request_ = nullptr;
};

}  // namespace velmar
