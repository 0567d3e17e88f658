// Start-up on a medium: what the scan finds, which Setup.ini is read, and the
// language a run starts with. The language page is cancelled, so each run
// shows what start-up made of the medium.

#include <gtest/gtest.h>

#include "base/text_case.h"
#include "support/fixture/installer_fixture.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using test::ZipEntry;
using ui::script::Outcome;

InstallSession StartUp(InstallerFixture& f) {
  const test::InstallerRun run = f.Run(test::CancelAtLanguagePage());
  EXPECT_EQ(run.outcome, Outcome::Cancelled) << run.transcript << run.endMessage;
  return run.session;
}

TEST(MediumScan, ProductArchivesNeedANumberAbove3200) {
  InstallerFixture f;
  f.WriteProductArchive("Velmar3200.zip");
  f.WriteProductArchive("Velmar3410.zip");
  f.WriteProductArchive("velmar3500.ZIP");
  f.WriteProductArchive("Velmar.zip");
  f.WriteProductArchive("Velmar34x.zip");
  f.WriteProductArchive("Velmar99999999999.zip");  // no number an integer holds
  f.WriteMediumFile("Velmar\\Velmar3600.zip\\inside.txt", "a folder, not an archive");
  const InstallSession s = StartUp(f);

  const std::string root = UpperCaseText(f.MediumRoot());
  EXPECT_EQ(s.ProductArchiveList, (decltype(s.ProductArchiveList){{root + "VELMAR3410.ZIP", 3410}, {root + "VELMAR3500.ZIP", 3500}}));
  EXPECT_TRUE(s.HasVelmarFolder);
}

TEST(MediumScan, ProjectFilesOnDiskAndInsideArchives) {
  struct Case {
    const char* what;
    std::function<void(InstallerFixture&)> medium;
    bool found;
  };
  const Case cases[] = {
      {"a project file deep down", [](InstallerFixture& f) { f.WriteMediumFile("Projects\\A\\B\\Job.Vpr", "x"); },
       true},
      {"plant/Job.VPR inside Projects\\Site\\Job.zip",
       [](InstallerFixture& f) { f.WriteZip("Projects\\Site\\Job.zip", {{.name = "plant/Job.VPR", .data = "x"}}); },
       true},
      {"an archive without project file",
       [](InstallerFixture& f) { f.WriteZip("Projects\\Site\\Job.zip", {{.name = "plant.vpr/Job.txt", .data = "x"}}); },
       false},
      {"a hidden project file",
       [](InstallerFixture& f) {
         f.WriteMediumFile("Projects\\Job.vpr", "x");
         f.SetHidden(f.MediumPath("Projects\\Job.vpr"));
       },
       false},
      {"a folder named like a project file",
       [](InstallerFixture& f) { f.drive.makeFolder("Medium\\Projects\\Job.vpr"); }, false},
  };
  for (const Case& c : cases) {
    InstallerFixture f;
    c.medium(f);
    const InstallSession s = StartUp(f);
    EXPECT_EQ(s.ProjectFilesFound, c.found) << c.what;
  }
}

TEST(MediumScan, DamagedArchivesUnderProjectsDoNotStopStartUp) {
  const std::string good = test::BuildZip({{.name = "Job.txt", .data = std::string(5000, 'j')}});
  const std::string damaged[] = {
      "PK\x03\x04 not really an archive",
      good.substr(0, good.size() / 2),
      test::BuildZip({{.name = "Job.vpr", .data = "x"}}, {.entryCount = 60000}),
  };
  for (const std::string& bytes : damaged) {
    InstallerFixture f;
    f.WriteMediumFile("Projects\\A\\Bad.zip", bytes);
    f.WriteMediumFile("Projects\\B\\Job.vpr", "x");  // searched after the damaged archive
    f.WriteMediumFile("Projects\\Demo\\Demo.zip", bytes);
    const InstallSession s = StartUp(f);
    EXPECT_TRUE(s.ProjectFilesFound) << bytes.size();
    EXPECT_EQ(s.DemoState, 0) << bytes.size();
  }
}

TEST(MediumScan, DemoProjectAsFileOrInsideItsArchive) {
  const struct {
    const char* what;
    std::function<void(InstallerFixture&)> medium;
    int demoState;
  } cases[] = {
      {"a file", [](InstallerFixture& f) { f.WriteMediumFile("Projects\\demo\\DEMO.VPR", "x"); }, 1},
      {"inside its archive",
       [](InstallerFixture& f) {
         f.WriteZip("Projects\\Demo\\Demo.zip", {{.name = "readme.txt"}, {.name = "Demo/demo.vpr", .data = "x"}});
       },
       2},
      {"an archive with another project is no demo, but a project",
       [](InstallerFixture& f) { f.WriteZip("Projects\\Demo\\Demo.zip", {{.name = "Plant.vpr", .data = "x"}}); }, 0},
  };
  for (const auto& c : cases) {
    InstallerFixture f;
    c.medium(f);
    const InstallSession s = StartUp(f);
    EXPECT_EQ(s.DemoState, c.demoState) << c.what;
    EXPECT_TRUE(s.ProjectFilesFound) << c.what;
  }
}

// The installed copy of Setup.ini, found through the installation record.
constexpr std::string_view MediumIni =
    "[Config]\nLanguage=1\n[Install]\nVelmarPath=M:\\Velmar\nProjectsPath=M:\\Proj\n[Project]\nCustomer=Medium\n";
constexpr std::string_view InstalledIni = "[Install]\nVelmarPath=P:\\Velmar\n[Project]\nProject=Plant\n";

// The record may name the folder without trailing backslash or in another case.
TEST(InstalledCopy, ItsValuesOverrideTheMediumsWithDefaultsForWhatItLacks) {
  for (const char* record : {"", "Plant\\Velmar", "PLANT\\velmar\\"}) {
    SCOPED_TRACE(record);
    InstallerFixture f;
    f.WriteSetupIni(MediumIni);
    const std::string product = f.InstallProductAt("Plant\\Velmar");
    f.WriteFile(product + "Install\\Setup.ini", std::string(InstalledIni));
    if (*record) f.WriteInstallRecord(f.drive.path(record));
    std::string folder = *record ? f.drive.path(record) : product;
    if (!folder.ends_with('\\')) folder += '\\';
    const InstallSession s = StartUp(f);
    EXPECT_EQ(s.SetupIniPath, folder + "Install\\Setup.ini");
    EXPECT_EQ(s.VelmarPath, "P:\\Velmar");
    EXPECT_EQ(s.ProjectsPath, "C:\\VelProj");
    EXPECT_EQ(s.Project, "Plant");
    EXPECT_EQ(s.Customer, "");
    // Without Language in the installed copy the language comes from Windows again.
    EXPECT_EQ(s.LanguageIndex, 1);
  }
}

TEST(InstalledCopy, TheMediumsConfigurationStaysWhenTheCopyCannotBeFound) {
  struct Case {
    const char* what;
    std::function<void(InstallerFixture&)> machine;
  };
  const Case cases[] = {
      {"no record", [](InstallerFixture&) {}},
      {"no Install\\Setup.ini", [](InstallerFixture& f) { f.InstallProductAt("Velmar"); }},
  };
  for (const Case& c : cases) {
    InstallerFixture f;
    f.WriteSetupIni(MediumIni);
    c.machine(f);
    const InstallSession s = StartUp(f);
    EXPECT_EQ(s.SetupIniPath, f.SetupIniPath()) << c.what;
    EXPECT_EQ(s.VelmarPath, "M:\\Velmar") << c.what;
    EXPECT_EQ(s.Customer, "Medium") << c.what;
  }
}

// A Setup.ini without Language, or none at all, takes the Windows language;
// its own Language wins.
TEST(StartLanguage, SetupIniLanguageOrTheWindowsLanguage) {
  const struct {
    int windows;
    const char* ini;
    int language;
    const char* preselected;
  } cases[] = {{7, "[Install]\nVelmarPath=X:\\V\n", 0, "(*) _Deutsch"},
               {5, "[Install]\nVelmarPath=X:\\V\n", 1, "(*) _English"},
               {12, nullptr, 2, "(*) _Français"},
               {21, nullptr, 3, "(*) _Polish"},
               {7, "[config]\nlanguage=3\n", 3, "(*) _Polish"}};
  for (const auto& c : cases) {
    InstallerFixture f;
    if (c.ini) f.WriteSetupIni(c.ini);
    f.system.PrimaryLanguage = c.windows;
    const test::InstallerRun run = f.Run(test::CancelAtLanguagePage());
    EXPECT_EQ(run.session.LanguageIndex, c.language) << c.windows;
    EXPECT_TRUE(test::Contains(test::PageBlock(run.transcript, "TLanguageForm"), c.preselected)) << c.windows;
  }
}

}  // namespace
}  // namespace velmar
