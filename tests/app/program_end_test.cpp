// The end of a run: the settings written back into Setup.ini, the taskbar
// shown again, and the end of a run the script gives up.

#include <gtest/gtest.h>

#include "session/install_record.h"
#include "text/language_support.h"
#include "support/fixture/installer_fixture.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using ui::Key;
using ui::script::Outcome;
using ui::script::Script;

TEST(SaveSettings, ACancelledLanguagePageStillWritesTheSettingsWithTheLanguageAsRead) {
  InstallerFixture f;
  f.WriteSetupIni("; kept\n[Config]\nLanguage=1\n[Install]\nVelmarPath=D:\\Plant\\Velmar\n[Extra]\nKey=kept\n");
  const auto run = f.Run(Script().Page("TLanguageForm").Select("LangRG", "Deutsch").Click("CancelBtn"));
  EXPECT_EQ(run.outcome, Outcome::Cancelled) << run.endMessage;
  EXPECT_EQ(f.ReadFile(f.SetupIniPath()),
            "; kept\r\n[Config]\r\nLanguage=1\r\n[Install]\r\nVelmarPath=D:\\Plant\\Velmar\r\n"
            "ProjectsPath=C:\\VelProj\r\nLinkPath=C:\\Velmar\\Projects\r\n[Extra]\r\nKey=kept\r\n"
            "[Project]\r\nProjectFile=\r\nLinkName=\r\nProject=\r\nCustomer=\r\n");
}

TEST(SaveSettings, TheDateOnlyAfterAnInstallationInThisRunAndNothingIntoAFileThatCannotTakeIt) {
  InstallerFixture f;
  InstallSession s;
  s.SetupIniPath = f.SetupIniPath();
  EXPECT_EQ(SaveSettings(f.files, CodePage::Cp1252, s, f.system.Now), SaveSettingsResult::NoFile);
  EXPECT_FALSE(f.Exists(s.SetupIniPath));
  f.drive.makeFolder("Medium\\Setup.ini");
  EXPECT_EQ(SaveSettings(f.files, CodePage::Cp1252, s, f.system.Now), SaveSettingsResult::NoFile);

  s.SetupIniPath = f.MediumPath("Other.ini");
  f.WriteFile(s.SetupIniPath, "[Config]\r\nLanguage=2\r\n");
  s.LanguageIndex = 3;
  s.Customer = "Acme";
  EXPECT_EQ(SaveSettings(f.files, CodePage::Cp1252, s, f.system.Now), SaveSettingsResult::Saved);
  EXPECT_EQ(f.IniValue(s.SetupIniPath, "Install", "Date"), "<none>");
  EXPECT_EQ(f.IniValue(s.SetupIniPath, "Config", "Language"), "3");
  EXPECT_EQ(f.IniValue(s.SetupIniPath, "Project", "Customer"), "Acme");
  s.ProductInstalledNow = true;
  EXPECT_EQ(SaveSettings(f.files, CodePage::Cp1252, s, {2026, 1, 2, 3, 4, 5}), SaveSettingsResult::Saved);
  EXPECT_EQ(f.IniValue(s.SetupIniPath, "Install", "Date"), "02/01/2026 03:04:05");

  const std::string before = *f.ReadFile(s.SetupIniPath);
  f.SetReadOnly(s.SetupIniPath);
  EXPECT_EQ(SaveSettings(f.files, CodePage::Cp1252, s, f.system.Now), SaveSettingsResult::ReadOnly);
  EXPECT_EQ(f.ReadFile(s.SetupIniPath), before);
}

// A read-only Setup.ini brings the settings message while the run is given up.
TEST(ProgramEnd, AScriptThatStopsStillRestoresTheTaskbarAndReleasesTheMutex) {
  const struct {
    Script script;
    const char* stop;
  } cases[] = {
      {test::CancelAtLanguagePage(), "Could not save settings !"},  // nothing answers the message
      {Script().Page("TLanguageForm").Click("NoSuchBtn"), "NoSuchBtn"},
  };
  for (const auto& c : cases) {
    InstallerFixture f;
    f.WriteStandardMedium();
    f.SetReadOnly(f.SetupIniPath());
    const auto run = f.Run(c.script);
    EXPECT_EQ(run.outcome, Outcome::Stopped);
    EXPECT_TRUE(test::Contains(run.endMessage, c.stop));
    EXPECT_EQ(f.taskbar.Shown, 1);
    EXPECT_FALSE(f.mutexes.Exists("rmVel_Installer_Run_Mutex"));
  }
}

}  // namespace
}  // namespace velmar
