// The language of a run: the language page, the language written back into
// Setup.ini, and the language files a medium carries.

#include <gtest/gtest.h>

#include <functional>

#include "support/fixture/installer_fixture.h"

namespace velmar {
namespace {

using test::ControlLine;
using test::InstallerFixture;
using test::LanguageFiles;
using test::PageBlock;
using ui::Key;
using ui::script::Outcome;
using ui::script::Script;

constexpr std::string_view EnglishIni = "[Config]\nLanguage=1\n";

// Setup.ini as it is when the selection page comes up.
struct AtSelection {
  std::optional<std::string> setupIni;
  void Watch(InstallerFixture& f) {
    f.onPageShown = [this, &f](const ui::Page& page) {
      if (page.ClassName() == "TSelectForm" && !setupIni) setupIni = f.ReadFile(f.SetupIniPath());
    };
  }
};

std::string Heading(const test::InstallerRun& run) {
  return ControlLine(PageBlock(run.transcript, "TSelectForm"), "MainLbl");
}

// A changed language is written at once; the same one leaves the file as it
// is, and a missing Setup.ini is not created.
TEST(LanguageWriteBack, AChangedLanguageIsWrittenAtOnce) {
  const struct {
    const char* item;
    bool setupIni;
    std::optional<std::string> atSelection;  // nullopt: as before
    const char* heading;
  } cases[] = {{"Deutsch", true, "Language=0\r\n", "Funktion auswählen :"},
               {"English", true, std::nullopt, "Select function :"},
               {"Deutsch", false, std::nullopt, "Funktion auswählen :"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.item) + (c.setupIni ? "" : ", no Setup.ini"));
    InstallerFixture f;
    f.WriteLanguage(44);
    f.WriteLanguage(49);
    if (c.setupIni) f.WriteSetupIni(EnglishIni);
    const auto before = f.ReadFile(f.SetupIniPath());
    AtSelection seen;
    seen.Watch(f);
    const auto run = f.Run(test::ToSelection(c.item).Key(Key::Escape));
    EXPECT_EQ(run.outcome, Outcome::Finished) << run.endMessage;
    if (c.atSelection)
      EXPECT_TRUE(test::Contains(seen.setupIni.value_or(""), *c.atSelection));
    else
      EXPECT_EQ(seen.setupIni, before);
    EXPECT_EQ(f.Exists(f.SetupIniPath()), c.setupIni);
    EXPECT_TRUE(test::Messages(run.transcript).empty());
    EXPECT_TRUE(test::Contains(Heading(run), c.heading));
  }
}

// A Setup.ini that cannot take the language keeps it without a word; the run
// goes on in the language chosen, and only the end, where the settings cannot
// be written either, tells the user, once the backdrop has closed.
TEST(LanguageWriteBack, AFileThatCannotBeWrittenKeepsItsLanguageUntilTheEnd) {
  const struct {
    const char* what;
    std::function<bool(InstallerFixture&)> medium;  // false: the port cannot make it
    const char* answer;
  } cases[] = {
      {"read-only",
       [](InstallerFixture& f) {
         f.WriteStandardMedium();
         f.SetReadOnly(f.SetupIniPath());
         return true;
       },
       "Die Einstellungen konnten nicht gespeichert werden !"},
      {"refusing the replacement",
       [](InstallerFixture& f) {
         f.WriteStandardMedium();
         f.files.addFault({.op = test::FileOp::Replace, .persistent = true, .pathContains = "Setup.ini"});
         return true;
       },
       "Setup.ini"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    InstallerFixture f;
    if (!c.medium(f)) continue;
    const std::string before = *f.ReadFile(f.SetupIniPath());
    AtSelection seen;
    seen.Watch(f);
    const auto run = f.Run(test::ToSelection("Deutsch").Key(Key::Escape).Answer(c.answer, ui::Answer::Ok));
    EXPECT_EQ(run.outcome, Outcome::Finished) << run.transcript << run.endMessage;
    EXPECT_EQ(seen.setupIni, before);
    EXPECT_EQ(f.ReadFile(f.SetupIniPath()), before);
    EXPECT_TRUE(test::Contains(Heading(run), "Funktion auswählen :"));
    EXPECT_EQ(test::Messages(run.transcript).size(), 1u);
    EXPECT_LT(run.transcript.find("closed TMainForm"), run.transcript.find("message box"));
  }
}

// A language file that is missing or is none ends the run before the
// selection page; a missing combined file stops the dispatcher, and Esc ends.
TEST(LanguageFilesOfTheMedium, AMissingOrDamagedFileEndsTheRun) {
  const auto separateEnglish = [](InstallerFixture& f) {
    f.WriteSetupIni(EnglishIni);
    f.WriteLanguage(44, LanguageFiles::Separate);
  };
  const struct {
    const char* what;
    std::function<void(InstallerFixture&)> medium;
    const char* item;
    const char* answer;
    std::vector<std::string> messages;  // empty: not checked
    bool backdropWaits = false;         // for Esc
  } cases[] = {
      {"separate, French", separateEnglish, "Français", "FEHLER",
       {"FEHLER: Kann Sprachdatei \"VELMAR.L33\" nicht finden !\n"
        "ERROR: Cannot find French language support file \"VELMAR.L33\" !"}},
      {"nothing on the medium", [](InstallerFixture&) {}, "English", "ERROR",
       {"ERROR: Cannot find language support file \"VELMAR.L44\" !"}},
      {"combined, no French", [](InstallerFixture& f) { f.WriteStandardMedium(); }, "Français", "Velmar.L33", {}, true},
      {"no language file",
       [](InstallerFixture& f) {
         f.WriteSetupIni(EnglishIni);
         f.WriteMediumFile("Velmar.L44", "This is not a language file, but it is long enough to hold a header of 49 bytes.");
         f.WriteLanguage(49);
       },
       "English", "VELMAR.L44", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    InstallerFixture f;
    c.medium(f);
    Script script;
    script.Page("TLanguageForm").Select("LangRG", c.item).Click("ContinueBtn").Answer(c.answer, ui::Answer::Ok);
    if (c.backdropWaits) script.Page("TMainForm").Key(Key::Escape);
    const auto run = f.Run(script);
    EXPECT_EQ(run.outcome, Outcome::Failed) << run.transcript << run.endMessage;
    if (!c.messages.empty()) {
      EXPECT_EQ(test::Messages(run.transcript), c.messages);
    }
    EXPECT_EQ(test::TimesShown(run.transcript, "TWarnAdminForm"), 0);
    EXPECT_EQ(test::TimesShown(run.transcript, "TSelectForm"), 0);
  }
}

}  // namespace
}  // namespace velmar
