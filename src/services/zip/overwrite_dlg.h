#pragma once
// The question before an existing file is overwritten. Its texts are fixed
// English, whatever the language of the run.

#include <string>

#include "session/installer_page.h"
#include "ui/controls.h"

namespace velmar {

// The answers, with the codes the callers keep; NotAsked before the first question.
enum OverwriteAnswer : int {
  owNotAsked = -1,
  owNo = 0,
  owNoToAll = 1,
  owYes = 2,
  owYesToAll = 3,
  owCancel = 5,
};

class TOverwriteDlg : public InstallerPage {
 public:
  explicit TOverwriteDlg(InstallerContext& app);

  ui::Label QuestionLbl{*this, "QuestionLbl"};
  ui::Label FileLbl{*this, "FileLbl"};
  ui::Button YesBtn{*this, "YesBtn"};
  ui::Button YesToAllBtn{*this, "YesToAllBtn"};
  ui::Button NoBtn{*this, "NoBtn"};
  ui::Button NoToAllBtn{*this, "NoToAllBtn"};
  ui::Button CancelBtn{*this, "CancelBtn"};

  // Asks about the file (its full path); closing the dialog otherwise is No.
  OverwriteAnswer Execute(const std::string& fileName);

 private:
  OverwriteAnswer answer_ = owNo;
};

}  // namespace velmar
