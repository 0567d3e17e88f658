// The scripted host playing answer files on the language and administrator
// pages: the transcript both hosts write, and the stop messages.

#include <gtest/gtest.h>

#include "app/admin_dlg.h"
#include "services/lang_pick.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"

namespace velmar::ui::script {
namespace {

std::string Untranslated(int, int, const std::string& text) { return text; }

// The language page, then the administrator warning, as the dispatcher shows them.
Outcome LanguageThenWarning(Host& host, int& language) {
  TLanguageForm languages(host);
  if (languages.Execute(language) != 1) return Outcome::Cancelled;
  ShowAdminWarning(host, Untranslated);
  return Outcome::Finished;
}

TEST(ScriptHost, PlaysTheLanguagePageAndTheWarning) {
  ScriptHost host(ParseAnswerFile(
      "page TLanguageForm\n  select LangRG \"Polish\"\n  click ContinueBtn\npage TWarnAdminForm\n  key Enter\n"));
  int language = 1;
  EXPECT_EQ(host.Run([&] { return LanguageThenWarning(host, language); }), Outcome::Finished);
  EXPECT_EQ(language, 3);
  EXPECT_EQ(host.TranscriptText(),
            "page TLanguageForm\n"
            "  LangRG: radio group \"Language / Sprache\"\n"
            "    ( ) _Deutsch\n"
            "    ( ) _Français\n"
            "    ( ) _Polish\n"
            "    (*) _English\n"
            "  ContinueBtn: button \"_Next/ Nächste\", default\n"
            "  CancelBtn: button \"_Cancel / Beenden\", cancel\n"
            "> select LangRG \"Polish\"\n"
            "  LangRG: radio group \"Language / Sprache\"\n"
            "    ( ) _Deutsch\n"
            "    ( ) _Français\n"
            "    (*) _Polish\n"
            "    ( ) _English\n"
            "> click ContinueBtn\n"
            "closed TLanguageForm\n"
            "page TWarnAdminForm\n"
            "  WarnLabel: label \"Administrator rights are required when installing some drivers.\"\n"
            "  OkBtn: button \"Ok\", default, cancel\n"
            "> key Enter\n"
            "closed TWarnAdminForm\n"
            "end: finished\n");
}

TEST(ScriptHost, StopsWhenTheScriptDoesNotFitThePage) {
  struct Case {
    const char* answers;
    const char* message;
  } cases[] = {
      {"page TSelectForm\n", "line 1: page TSelectForm: the script expects page TSelectForm, but page TLanguageForm is shown"},
      {"page TLanguageForm\n  click OkBtn\n", "line 2: click OkBtn on page TLanguageForm: the page has no control OkBtn"},
      {"page TLanguageForm\n  select LangRG \"Dansk\"\n",
       "line 2: select LangRG \"Dansk\" on page TLanguageForm: LangRG has no item \"Dansk\""},
      {"page TLanguageForm\n  answer \"x\" OK\n",
       "page TLanguageForm waits for the user, but the script goes on with line 2: answer \"x\" OK, and no message "
       "box is shown"},
      {"page TLanguageForm\n  key Esc\npage TWarnAdminForm\n", "the program has ended, but the script goes on with line 3: page TWarnAdminForm"},
  };
  for (const auto& c : cases) {
    ScriptHost host(ParseAnswerFile(c.answers));
    int language = 1;
    EXPECT_EQ(host.Run([&] { return LanguageThenWarning(host, language); }), Outcome::Stopped) << c.answers;
    EXPECT_EQ(host.EndMessage(), c.message) << c.answers;
  }
}

}  // namespace
}  // namespace velmar::ui::script
