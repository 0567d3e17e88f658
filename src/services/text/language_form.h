#pragma once
// The language page: the choice of the four user interface languages. Its
// captions are the same in every language.

#include "ui/controls.h"
#include "ui/page.h"

namespace velmar {

class TLanguageForm : public ui::Page {
 public:
  explicit TLanguageForm(ui::Host& host);

  ui::Panel Panel1{*this, "Panel1"};
  ui::RadioGroup LangRG{*this, "LangRG"};
  ui::Button ContinueBtn{*this, "ContinueBtn"};
  ui::Button CancelBtn{*this, "CancelBtn"};

  // Shows the page with languageIndex (0 German, 1 English, 2 French,
  // 3 Polish) preselected. Returns 1 after Continue, which sets languageIndex
  // from the chosen item, and 0 after Cancel.
  int Execute(int& languageIndex);

 private:
  void ContinueBtnClick();
  void CancelBtnClick();

  int result_ = 0;
};

}  // namespace velmar
