// F6 and F7: which readme the viewer shows, the viewer itself, and the
// utilities folder in the explorer.

#include "readme/readme_view_form.h"

#include <gtest/gtest.h>

#include "app/dispatcher.h"
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

std::string Viewer(const test::InstallerRun& run) { return PageBlock(run.transcript, "TReadmeViewForm"); }

// Started from the Install folder of an installed product, the product's
// readme; from a CD-ROM, or when the product lacks either file, the medium's.
TEST(ReadmePath, FromAnInstalledProductsInstallFolderTheProductsReadme) {
  const struct {
    bool cdRom, projectManager, productReadme, product;
  } cases[] = {{false, true, true, true},
               {false, false, true, false},
               {false, true, false, false},
               {true, true, true, false}};
  for (const auto& c : cases) {
    ui::script::ScriptHost host{Script()};
    test::InstallerTestContext t(host);
    t.drive.makeFolder("Velmar\\Install");
    t.session.MediumRoot = t.drive.path("Velmar\\Install\\");
    t.session.MediumIsCdRom = c.cdRom;
    if (c.projectManager) t.drive.writeFile("Velmar\\VelmarPM.exe", "x");
    const std::string name = ReadmeFileName(t.session.LanguageIndex);
    if (c.productReadme) t.drive.writeFile("Velmar\\" + name, "x");
    EXPECT_EQ(FindReadmePath(t.app), t.drive.path((c.product ? "Velmar\\" : "Velmar\\Install\\") + name))
        << c.cdRom << c.projectManager << c.productReadme;
  }
}

TEST(ReadmeViewer, AMissingReadmeNamesItsFullPathWithoutFallingBackToAnother) {
  InstallerFixture f;
  f.WriteStandardMedium();  // Readme.txt and Liesmich.txt, no Lif-moi.txt
  f.WriteLanguage(33);
  const auto run = f.Run(Script().Answer("Lif-moi.txt", ui::Answer::Ok), {"/L33", "/F6"});
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.transcript << run.endMessage;
  EXPECT_EQ(test::Messages(run.transcript),
            std::vector<std::string>{"ERREUR : Fichier introuvable !\n" + f.MediumPath("Lif-moi.txt")});
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
  }

  // One the installer cannot convert: the error, and no viewer.
  f.system.AnsiCodePage = CodePage{932};
  run = f.Run(Script().Answer("Cannot read", ui::Answer::Ok), {"/F6"});
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.transcript << run.endMessage;
  EXPECT_EQ(test::Messages(run.transcript),
            std::vector<std::string>{"Cannot read " + f.MediumPath("Readme.txt") +
                                     ": the installer cannot convert letters beyond ASCII in code page 932"});
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
    if (refused) {
      EXPECT_EQ(test::Messages(run.transcript),
                std::vector<std::string>{"FEHLER: Der Explorer konnte nicht gestartet werden für : \n" + f.MediumPath("Tools\\")});
    } else {
      EXPECT_EQ(f.processes.commandLines(),
                std::vector<std::string>{"explorer.exe /e,/n,/root," + f.MediumPath("Tools\\")});
    }
  }
}

}  // namespace
}  // namespace velmar
