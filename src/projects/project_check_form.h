#pragma once
// The folder and shortcut page: the chosen project (its archive and comment
// when it comes from one), the folder it is to go to and the name of its
// shortcut, both proposed afresh each time the page opens.

#include "projects/project_request.h"
#include "services/wizard/wizard_page.h"
#include "ui/controls.h"

namespace velmar {

class TProjectCheckForm : public WizardPage {
 public:
  explicit TProjectCheckForm(InstallerContext& app);

  // Shows the request's project with the proposed folder and shortcut name.
  // Next is enabled only while both may be used (the status line names the
  // first problem). Whatever closes the page, the request gets the folder
  // (trimmed, with a trailing "\" once longer than a drive) and the
  // shortcut name (trimmed).
  PageResult Execute(int step, ProjectRequest& request);

  ui::Label TitleLbl{*this, "TitleLbl"};
  ui::Label ZipLbl{*this, "ZipLbl"};
  ui::Label ZipFileLbl{*this, "ZipFileLbl"};
  ui::Label CommentLbl{*this, "CommentLbl"};
  ui::Label ZipCommentLbl{*this, "ZipCommentLbl"};
  ui::Label VprLbl{*this, "VprLbl"};
  ui::Label VprFileLbl{*this, "VprFileLbl"};
  ui::Label FolderLbl{*this, "FolderLbl"};
  ui::Edit FolderEdit{*this, "FolderEdit"};
  ui::Button FolderBtn{*this, "FolderBtn"};
  ui::Label LinkLbl{*this, "LinkLbl"};
  ui::Edit LinkNameEdit{*this, "LinkNameEdit"};
  ui::Label LnkExtLbl{*this, "LnkExtLbl"};

 private:
  void SetTexts() override;
  void LoadFields() override;
  void UpdateNextBtn() override;
  bool Validate(PageResult leavingWith) override;
  void PageClosed() override;

  ProjectRequest* request_ = nullptr;
};

}  // namespace velmar
