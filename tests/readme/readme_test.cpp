// F6 and F7: which readme the viewer shows, the viewer itself, and the
// utilities folder in the explorer.

#include "readme/readme_view_form.h"

#include <gtest/gtest.h>

#include "session/running_program_guard.h"
#include "support/fixture/installer_fixture.h"
#include "support/fixture/installer_test_context.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using test::PageBlock;
using ui::Key;
using ui::script::Outcome;
using ui::script::Script;

Script ViewReadme() {
  Script script = test::ToSelection();
  script.Key(Key::F6).Page("TReadmeViewForm").Click("CloseBtn");
  return test::BackToSelection(script).Key(Key::Escape);
}

std::string Viewer(const test::InstallerRun& run) { return PageBlock(run.transcript, "TReadmeViewForm"); }

TEST(ReadmePath, FromAnInstalledProductsInstallFolderTheProductsReadme) {
  const struct {
    bool projectManager, productReadme;
    const char* shown;
  } cases[] = {{true, true, "| The product's readme"},
               {false, true, "| The installer's own readme"},
               {true, false, "| The installer's own readme"}};
  for (const auto& c : cases) {
    InstallerFixture f;  // the installer copied into the Install folder of an installed product
    f.PlaceMediumAt("Velmar\\Install");
    f.WriteStandardMedium();
    f.WriteReadme("Readme.txt", "The installer's own readme\r\n");
    if (c.projectManager) f.WriteFile(f.drive.path("Velmar\\VelmarPM.exe"), "x");
    if (c.productReadme) f.WriteFile(f.drive.path("Velmar\\Readme.txt"), "The product's readme\r\n");
    const auto run = f.Run(ViewReadme());
    EXPECT_EQ(run.outcome, Outcome::Finished) << run.transcript << run.endMessage;
    EXPECT_TRUE(test::Contains(Viewer(run), c.shown));
  }
}

TEST(ReadmePath, OnACdRomTheMediumsOwnReadme) {
  InstallerFixture f;
  if (!f.UseCdRomMedium(true, "Velmar\\Install")) GTEST_SKIP() << "this port makes no CD-ROM drives";
  f.WriteStandardMedium();
  f.WriteReadme("Readme.txt", "The installer's own readme\r\n");
  const std::string cd = f.MediumRoot().substr(0, 3);
  f.WriteFile(cd + "Velmar\\VelmarPM.exe", "x");
  f.WriteFile(cd + "Velmar\\Readme.txt", "The product's readme\r\n");
  Script script = ViewReadme();
  const auto run = f.Run(script.Answer("Could not save settings !", ui::Answer::Ok));
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.transcript << run.endMessage;
  EXPECT_TRUE(test::Contains(Viewer(run), "| The installer's own readme"));
  EXPECT_EQ(run.session.ReadmePath, f.MediumPath("Readme.txt"));
}

TEST(ReadmeViewer, AMissingReadmeNamesItsFullPathWithoutFallingBackToAnother) {
  InstallerFixture f;
  f.WriteStandardMedium();  // Readme.txt and Liesmich.txt, no Lif-moi.txt
  f.WriteLanguage(33);
  const auto run = f.Run(Script().Answer("Lif-moi.txt", ui::Answer::Ok), {"/L33", "/F6"});
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.transcript << run.endMessage;
  EXPECT_EQ(test::Messages(run.transcript),
            std::vector<std::string>{"ERREUR : Fichier introuvable !\n" + f.MediumPath("Lif-moi.txt")});
  EXPECT_EQ(test::TimesShown(run.transcript, "TReadmeViewForm"), 0);
}

TEST(ReadmeViewer, ShowsTheFileAsTextOfTheSystemsCodePageAndEscClosesItFromTheText) {
  const struct {
    CodePage codePage;
    const char *bytes, *shown;
  } cases[] = {{CodePage::Cp1252, "Gr\xF6\xDF" "e: 12 MB\r\n\r\n\tEnd\n", "    | Größe: 12 MB\n    | \n    | \tEnd\n"},
               {CodePage::Cp1250, "Zak\xB3" "ad \xA3\xF3" "d\x9F\r\n", "    | Zakład Łódź\n"}};
  InstallerFixture f;
  f.WriteStandardMedium();
  test::InstallerRun run;
  for (const auto& c : cases) {
    f.WriteReadme("Readme.txt", c.bytes);
    f.system.AnsiCodePage = c.codePage;
    run = f.Run(Script().Page("TReadmeViewForm").Key(Key::Tab).Key(Key::Escape), {"/F6"});  // the focus on the text
    EXPECT_EQ(run.outcome, Outcome::Finished) << run.transcript << run.endMessage;
    EXPECT_TRUE(test::Contains(Viewer(run), c.shown));
    EXPECT_TRUE(test::Contains(Viewer(run), "page TReadmeViewForm \"VELMAR Readme.txt\""));
    EXPECT_TRUE(test::Contains(run.transcript, "closed TReadmeViewForm"));
  }

  // One the installer cannot convert: the error, and no viewer.
  f.system.AnsiCodePage = CodePage{932};
  run = f.Run(Script().Answer("Cannot read", ui::Answer::Ok), {"/F6"});
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.transcript << run.endMessage;
  EXPECT_EQ(test::Messages(run.transcript),
            std::vector<std::string>{"Cannot read " + f.MediumPath("Readme.txt") +
                                     ": the installer cannot convert letters beyond ASCII in code page 932"});
  EXPECT_EQ(test::TimesShown(run.transcript, "TReadmeViewForm"), 0);
}

TEST(ReadmeViewer, SizeFollowsTheScreen) {
  const struct {
    ui::Size screen;
    int width, height;
  } cases[] = {{{799, 600}, 400, 300}, {{800, 600}, 600, 300}, {{1920, 1080}, 600, 540}};
  for (const auto& c : cases) {
    ui::script::ScriptHost host(Script{}, {.screen = c.screen});
    test::InstallerTestContext t(host);
    TReadmeViewForm viewer(t.app);
    EXPECT_EQ(viewer.ClientWidth, c.width) << c.screen.width;
    EXPECT_EQ(viewer.ClientHeight, c.height) << c.screen.width;
    // The smallest window still shows the Close button, and the first one is not below it.
    EXPECT_LE(viewer.MinSize.width, viewer.ClientWidth);
    EXPECT_LE(viewer.CloseBtn.Bounds.top + viewer.CloseBtn.Bounds.height, viewer.ClientHeight);
  }
}

// F6 and F7 do not ask whether Velmar runs; an explorer that cannot start is
// reported and the selection returns.
TEST(UtilitiesFolder, F7StartsTheExplorerOnTheToolsFolder) {
  for (bool refused : {false, true}) {
    InstallerFixture f;
    f.WriteStandardMedium();
    f.WriteMediumFile("Tools\\Tool.exe", "x");
    const auto held = f.HoldMutex(GuardedPrograms[0].MutexName);
    ASSERT_TRUE(held);
    if (refused) f.processes.Refuse("explorer.exe");
    Script script = test::ToSelection("Deutsch");
    script.Key(Key::F6).Page("TReadmeViewForm").Key(Key::Escape);
    test::BackToSelection(script).Key(Key::F7);
    if (refused) script.Answer("Explorer", ui::Answer::Ok);
    test::BackToSelection(script).Key(Key::Escape);
    const auto run = f.Run(script);
    EXPECT_EQ(run.outcome, Outcome::Finished) << run.transcript << run.endMessage;
    if (!refused) {
      EXPECT_EQ(f.processes.commandLines(),
                std::vector<std::string>{"explorer.exe /e,/n,/root," + f.MediumPath("Tools\\")});
    }
    EXPECT_EQ(test::Messages(run.transcript),
              refused ? std::vector<std::string>{"FEHLER: Der Explorer konnte nicht gestartet werden für : \n" +
                                                  f.MediumPath("Tools\\")}
                      : std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace velmar
