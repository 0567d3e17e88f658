#include "app/language_form.h"

#include <gtest/gtest.h>

#include "support/installer_test_context.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Outcome;
using ui::script::ParseAnswerFile;
using ui::script::ScriptHost;

struct Picked {
  int result;
  int languageIndex;
  std::string transcript;
  std::string message;
};

Picked Pick(int languageIndex, const std::string& answerFile) {
  ScriptHost host(ParseAnswerFile(answerFile));
  test::InstallerTestContext t(host);
  TLanguageForm page(t.app);
  int result = -1;
  host.Run([&] {
    result = page.Execute(languageIndex);
    return result == 1 ? Outcome::Finished : Outcome::Cancelled;
  });
  return {result, languageIndex, host.TranscriptText(), host.EndMessage()};
}

TEST(LanguagePage, ContinueKeepsThePreselectedLanguage) {
  const char* items[] = {"_Deutsch", "_English", "_Français", "_Polish"};
  for (int language = 0; language < 4; ++language) {
    auto picked = Pick(language, "page TLanguageForm\nclick ContinueBtn");
    EXPECT_EQ(picked.result, 1);
    EXPECT_EQ(picked.languageIndex, language);
    EXPECT_NE(picked.transcript.find(std::string("    (*) ") + items[language]), std::string::npos) << picked.transcript;
  }
}

TEST(LanguagePage, TheChosenItemSetsTheLanguage) {
  struct {
    const char* item;
    int language;
  } choices[] = {{"Deutsch", 0}, {"Français", 2}, {"Polish", 3}, {"English", 1}};
  for (const auto& choice : choices) {
    auto picked = Pick(1, std::string("page TLanguageForm\nselect LangRG \"") + choice.item + "\"\nclick ContinueBtn");
    EXPECT_EQ(picked.result, 1) << picked.message;
    EXPECT_EQ(picked.languageIndex, choice.language) << choice.item;
  }
}

TEST(LanguagePage, CancelAndEscLeaveTheLanguageAndEnterContinues) {
  for (const char* cancel : {"click CancelBtn", "key Esc"}) {
    auto picked = Pick(2, std::string("page TLanguageForm\nselect LangRG \"Polish\"\n") + cancel);
    EXPECT_EQ(picked.result, 0);
    EXPECT_EQ(picked.languageIndex, 2);
  }
  auto picked = Pick(0, "page TLanguageForm\nselect LangRG \"English\"\nkey Enter");
  EXPECT_EQ(picked.result, 1);
  EXPECT_EQ(picked.languageIndex, 1);
}

TEST(LanguagePage, AnUnknownLanguagePreselectsNothingAndContinuesInGerman) {
  auto picked = Pick(7, "page TLanguageForm\nkey Enter");
  EXPECT_EQ(picked.transcript.find("(*)"), std::string::npos);
  EXPECT_EQ(picked.result, 1);
  EXPECT_EQ(picked.languageIndex, 0);
}

TEST(LanguagePage, ShowsItsFixedCaptions) {
  auto picked = Pick(1, "page TLanguageForm\nclick ContinueBtn");
  EXPECT_EQ(picked.transcript,
            "page TLanguageForm\n"
            "  LangRG: radio group \"Language / Sprache\"\n"
            "    ( ) _Deutsch\n"
            "    ( ) _Français\n"
            "    ( ) _Polish\n"
            "    (*) _English\n"
            "  ContinueBtn: button \"_Next/ Nächste\", default\n"
            "  CancelBtn: button \"_Cancel / Beenden\", cancel\n"
            "> click ContinueBtn\n"
            "closed TLanguageForm\n"
            "end: finished\n");
}

}  // namespace
}  // namespace velmar
