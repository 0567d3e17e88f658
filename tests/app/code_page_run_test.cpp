// The system's code page in whole runs: Setup.ini and the installation record
// of a Polish system hold Polish letters in code page 1250 and keep them; a
// system whose code page the installer cannot convert stops at start-up with
// the file and the code page named, and runs as ever on a medium of ASCII.

#include <gtest/gtest.h>

#include "base/codepage.h"
#include "support/fixture/installer_fixture.h"

namespace velmar {
namespace {

using test::Contains;
using test::InstallerFixture;
using ui::Key;
using ui::script::Outcome;

std::string Polish(const std::string& utf8) { return EncodeFromUtf8(utf8, CodePage::Cp1250); }

// The installation record leads to the installed Setup.ini; both hold a
// folder with Polish letters, and the settings are written back in code page
// 1250 again at the end of the run.
TEST(CodePageRun, APolishSystemFindsTheProductAndKeepsItsLettersInSetupIni) {
  InstallerFixture f;
  f.system.AnsiCodePage = CodePage::Cp1250;
  f.WriteStandardMedium();
  const std::string medium = *f.ReadFile(f.SetupIniPath());
  const std::string folder = f.InstallProductAt("Zakład Łódź\\Velmar");
  f.WriteFile(f.InstallRecordPath(), Polish("[Install]\r\nVelmar=" + folder + "\r\n"));
  const std::string installedIni = folder + "Install\\Setup.ini";
  f.WriteFile(installedIni, Polish("[Config]\r\nLanguage=1\r\n[Install]\r\nVelmarPath=" + folder +
                                   "\r\n[Project]\r\nCustomer=Żółw i syn\r\n"));
  const auto run = f.Run(test::ToSelection().Key(Key::Escape));
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.transcript << run.endMessage;
  EXPECT_EQ(run.session.SetupIniPath, installedIni);
  EXPECT_EQ(run.session.VelmarPath, folder);
  EXPECT_EQ(run.session.Customer, "Żółw i syn");
  const std::string ini = f.ReadFile(installedIni).value_or("");
  EXPECT_TRUE(Contains(ini, "VelmarPath=" + Polish(folder) + "\r\n")) << ini;
  EXPECT_TRUE(Contains(ini, "Customer=\xAF\xF3\xB3w i syn\r\n"));
  EXPECT_EQ(f.ReadFile(f.SetupIniPath()), medium);  // the installed copy took the settings
}

TEST(CodePageRun, ACodePageThatCannotBeConvertedStopsAtStartUpAndNamesTheFile) {
  InstallerFixture f;
  f.system.AnsiCodePage = CodePage{932};
  f.WriteStandardMedium();
  f.WriteSetupIni("[Config]\nLanguage=1\n[Project]\nCustomer=M\xFCller\n");
  const std::string before = f.ReadFile(f.SetupIniPath()).value_or("");
  const auto run = f.Run(test::ToSelection().Key(Key::Escape));
  EXPECT_EQ(run.outcome, Outcome::Failed);
  EXPECT_EQ(run.endMessage,
            "Cannot read " + f.SetupIniPath() + ": the installer cannot convert letters beyond ASCII in code page 932");
  EXPECT_EQ(f.ReadFile(f.SetupIniPath()), before);
  EXPECT_TRUE(f.taskbar.Visible);

  // A medium of ASCII alone runs as on any other system.
  f.WriteStandardMedium();
  const auto ascii = f.Run(test::ToSelection().Key(Key::Escape));
  EXPECT_EQ(ascii.outcome, Outcome::Finished) << ascii.transcript << ascii.endMessage;
}

}  // namespace
}  // namespace velmar
