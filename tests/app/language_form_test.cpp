#include "app/language_form.h"

#include <gtest/gtest.h>

#include "support/fixture/installer_test_context.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Outcome;
using ui::script::ParseAnswerFile;
using ui::script::ScriptHost;

// The items stand in the order German, French, Polish, English; the language
// indexes are German 0, English 1, French 2, Polish 3.
TEST(LanguagePage, TheItemSetsTheLanguageOnlyWhenContinued) {
  const struct {
    int language;
    const char* steps;
    int result, chosen;
    const char* preselected;
  } cases[] = {
      {2, "key Enter", 1, 2, "(*) _Français"},  // the preselection of each language: the start-up tests
      {1, "select LangRG \"Polish\"\nkey Enter", 1, 3, "(*) _English"},
      {2, "select LangRG \"Polish\"\nclick CancelBtn", 0, 2, "(*) _Français"},
      {7, "key Enter", 1, 0, nullptr},  // an unknown language: nothing preselected, German
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.language) + ": " + c.steps);
    ScriptHost host(ParseAnswerFile(std::string("page TLanguageForm\n") + c.steps));
    test::InstallerTestContext t(host);
    TLanguageForm page(t.app);
    std::optional<int> chosen;
    EXPECT_EQ(host.Run([&] {
      chosen = page.Execute(c.language);
      return Outcome::Finished;
    }),
              Outcome::Finished)
        << host.EndMessage();
    EXPECT_EQ(chosen.has_value(), c.result == 1);
    EXPECT_EQ(chosen.value_or(c.language), c.chosen);
    const std::string& transcript = host.TranscriptText();
    if (c.preselected)
      EXPECT_NE(transcript.find(std::string("    ") + c.preselected + "\n"), std::string::npos) << transcript;
    else
      EXPECT_EQ(transcript.find("(*)"), std::string::npos) << transcript;
  }
}

}  // namespace
}  // namespace velmar
