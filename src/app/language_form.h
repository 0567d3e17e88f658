#pragma once
// The language page: the choice of the four user interface languages. Its
// captions are the same in every language.

#include <optional>

#include "session/installer_page.h"
#include "ui/controls.h"

namespace velmar {

class TLanguageForm : public InstallerPage {
 public:
  explicit TLanguageForm(InstallerContext& app);

  ui::Panel Panel1{*this, "Panel1"};
  ui::RadioGroup LangRG{*this, "LangRG"};
  ui::Button ContinueBtn{*this, "ContinueBtn"};
  ui::Button CancelBtn{*this, "CancelBtn"};

  // Shows the page with languageIndex (0 German, 1 English, 2 French,
  // 3 Polish) preselected. Returns the chosen language after Continue,
  // nothing after Cancel.
  std::optional<int> Execute(int languageIndex);

 private:
  void ContinueBtnClick();
  void CancelBtnClick();

  int result_ = 0;
};

}  // namespace velmar
