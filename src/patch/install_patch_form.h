#pragma once
// The patch choice page: the patch archives of the medium's Patch\ folder,
// the first one selected, with the comment of the selected archive below.

#include <string>

#include "services/wizard/wizard_page.h"
#include "services/zip/unzipper.h"
#include "ui/controls.h"

namespace velmar {

// How the patch choice page closed: the chosen archive (empty unless Next) and
// the comment shown.
struct PatchChoice {
  PageResult Result = prNone;
  std::string Name, Comment;
};

class TInstallPatchForm : public WizardPage {
 public:
  explicit TInstallPatchForm(InstallerContext& app);

  // Next (enabled only while an archive is selected) makes the selected
  // archive the chosen one. Whatever closes the page, the comment is the text
  // of the comment box.
  PatchChoice Execute(int step);

  ui::Label SelectLbl{*this, "SelectLbl"};
  ui::ListBox PatchLB{*this, "PatchLB"};
  ui::Memo CommentMemo{*this, "CommentMemo"};

 private:
  bool PrevEnabled(int) const override { return true; }
  void SetTexts() override;
  void LoadFields() override;
  void UpdateNextBtn() override;
  void StoreFields() override;

  // The comment of the selected archive into the box; none when nothing is
  // selected or the archive cannot be read.
  void ShowComment();

  TAbUnZipper zip_;
  std::string chosen_;
};

}  // namespace velmar
