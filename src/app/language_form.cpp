#include "app/language_form.h"

#include <array>

#include "text/fixed_texts.h"
#include "ui/layout/page_layout.h"

namespace velmar {
namespace {

// LangRG's items are in the order German, French, Polish, English.
constexpr std::array kItemLanguage{0, 2, 3, 1};

int ItemOfLanguage(int languageIndex) {
  for (size_t item = 0; item < kItemLanguage.size(); ++item)
    if (kItemLanguage[item] == languageIndex) return int(item);
  return -1;
}

}  // namespace

TLanguageForm::TLanguageForm(InstallerContext& app) : InstallerPage(app, "TLanguageForm") {
  ui::layout::Frame(*this, Panel1, 320, 200);
  LangRG.SetBounds(24, 16, 272, 118);
  LangRG.Caption = fixed::LanguageCaption;
  LangRG.Items.assign(fixed::LanguageItems.begin(), fixed::LanguageItems.end());
  ContinueBtn.SetBounds(24, 150, 130, 30);
  ContinueBtn.Caption = fixed::LanguageContinue;
  ContinueBtn.Glyph = "BTN_NEXT";
  ContinueBtn.Default = true;
  ContinueBtn.OnClick = [this] { ContinueBtnClick(); };
  CancelBtn.SetBounds(166, 150, 130, 30);
  CancelBtn.Caption = fixed::LanguageCancel;
  CancelBtn.Glyph = "BTN_CANCEL";
  CancelBtn.Cancel = true;
  CancelBtn.OnClick = [this] { CancelBtnClick(); };
}

std::optional<int> TLanguageForm::Execute(int languageIndex) {
  result_ = 0;
  LangRG.ItemIndex = ItemOfLanguage(languageIndex);
  ShowModal();
  if (result_ != 1) return std::nullopt;
  const int item = LangRG.ItemIndex;
  return item >= 0 && item < int(kItemLanguage.size()) ? kItemLanguage[size_t(item)] : 0;
}

void TLanguageForm::ContinueBtnClick() {
  result_ = 1;
  Close();
}

void TLanguageForm::CancelBtnClick() {
  result_ = 0;
  Close();
}

}  // namespace velmar
