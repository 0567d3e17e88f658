// F2 as a whole program: the gate, the pages in their order with the steps
// that are skipped, the installation between its log lines, and the end of
// a run in which a step failed.

#include <algorithm>

#include <gtest/gtest.h>

#include "base/path_utils.h"
#include "platform/registry.h"
#include "services/shell/shell.h"
#include "support/installer_fixture.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using ui::Key;
using ui::script::Outcome;
using ui::script::Script;

Script& PassGate(Script& script) {
  return test::StartInstall(script, Key::F2);
}

struct FlowRun {
  FlowRun() {
    f.WriteStandardMedium();
    f.WriteProductArchive("Velmar3400.zip", {{"VelmarPM.exe", "3400"}, {"Help/Old.txt", "old"}});
  }
  std::string Log() { return f.ReadFile(f.drive.path("Velmar\\Install.log")).value_or(""); }
  InstallerFixture f;
};

TEST(ProductInstallFlow, InstallsTheChosenReleaseBetweenItsLogLines) {
  FlowRun run;
  run.f.WriteProductArchive("Velmar3410.zip", {{"VelmarPM.exe", "3410"}});
  Script script = test::ToSelection();
  PassGate(script).Page("TMainInstallForm").Click("NextBtn");
  script.Page("TSelectVelZipForm").Select("VersionLB", "VELMAR Release 3.04.000").Click("NextBtn");
  script.Page("TWinLinksForm").Uncheck("DesktopCB").Click("NextBtn");
  script.Page("TProjectOptionsForm").Click("NextBtn");
  script.Page("TReadyToInstallForm").Click("NextBtn");
  script.Page("TUnzipForm").Answer("Installation finished", ui::Answer::Ok);
  test::BackToSelection(script).Key(Key::Escape);
  const auto result = run.f.Run(script);
  ASSERT_EQ(result.outcome, Outcome::Finished) << result.endMessage;
  EXPECT_TRUE(test::Contains(test::PageBlock(result.transcript, "TReadyToInstallForm"), "Release 3.04.000"));
  EXPECT_EQ(run.f.ReadFile(run.f.drive.path("Velmar\\VelmarPM.exe")), "3400");
  EXPECT_FALSE(result.session.DesktopLinks);
  const std::string log = test::LogEntries(run.Log());
  EXPECT_TRUE(test::Contains(log, "\nStart Velmar install :\nInstall Velmar version 3.04.000 to "));
  EXPECT_TRUE(test::Contains(log, "\nDo extra install functions\nInstallation finished\nVelmar install finished\n-\n"));
}

// A record that cannot be written ends the installation in the general error
// box (status 3); the log still names the file and closes the flow's entries.
TEST(ProductInstallFlow, AnInstallationRecordThatCannotBeWrittenIsLoggedBeforeTheErrorBox) {
  FlowRun run;
  run.f.WriteFile(run.f.InstallRecordPath(), "[Install]\r\n");
  run.f.drive.fs().setAttributes(run.f.InstallRecordPath(), attr::ReadOnly);
  Script script = test::ToSelection();
  PassGate(script).Page("TMainInstallForm").Click("NextBtn");
  script.Page("TWinLinksForm").Click("NextBtn").Page("TProjectOptionsForm").Click("NextBtn");
  script.Page("TReadyToInstallForm").Click("NextBtn").Page("TUnzipForm");
  const auto result = run.f.Run(script);
  EXPECT_EQ(result.outcome, Outcome::Failed) << result.endMessage;
  const std::string log = test::LogEntries(run.Log());
  const size_t error = log.find("\nCopy setup program from CD\nERROR: ");
  ASSERT_NE(error, std::string::npos) << log;
  EXPECT_TRUE(test::Contains(log.substr(error), run.f.InstallRecordPath()));
  EXPECT_EQ(log.substr(log.size() - 3), "\n-\n");
  EXPECT_EQ(std::count(log.begin() + error + 1, log.end(), '\n'), 3);
}

// With one release the version page never shows: Prev from the shortcuts
// page goes straight back to the folders. A cancelled flow logs nothing, and
// the second F2 of the run starts at the folder page.
TEST(ProductInstallFlow, OneReleaseSkipsTheVersionPageBothWaysAndTheGateIsPassedOnce) {
  FlowRun run;
  Script script = test::ToSelection();
  PassGate(script).Page("TMainInstallForm").Click("NextBtn");
  script.Page("TWinLinksForm").Click("PrevBtn");
  script.Page("TMainInstallForm").Click("CancelBtn");
  test::BackToSelection(script).Key(Key::F2).Page("TMainInstallForm").Click("CancelBtn");
  test::BackToSelection(script).Key(Key::Escape);
  const auto result = run.f.Run(script);
  ASSERT_EQ(result.outcome, Outcome::Finished) << result.endMessage;
  EXPECT_EQ(test::TimesShown(result.transcript, "TSelectVelZipForm"), 0);
  EXPECT_EQ(result.session.SelectedVersion, 0);
  EXPECT_EQ(run.Log().find("Start Velmar install"), std::string::npos);
}

// A release item that would land outside the product folder is refused; the
// installation goes on, ends with the message that names the log, and the
// run ends with status 4.
TEST(ProductInstallFlow, AFailedStepEndsWithErrorsAndNothingLandsOutside) {
  FlowRun run;
  run.f.WriteProductArchive("Velmar3400.zip", {{"VelmarPM.exe", "3400"}, {"../Outside.txt", "escaped"}});
  Script script = test::ToSelection();
  PassGate(script).Page("TMainInstallForm").Click("NextBtn");
  script.Page("TWinLinksForm").Click("NextBtn").Page("TProjectOptionsForm").Click("NextBtn");
  script.Page("TReadyToInstallForm").Click("NextBtn").Page("TUnzipForm");
  script.Answer("Finished with errors", ui::Answer::Ok);
  test::BackToSelection(script).Key(Key::Escape);
  const auto result = run.f.Run(script);
  EXPECT_EQ(result.outcome, Outcome::FinishedWithErrors) << result.endMessage;
  EXPECT_FALSE(run.f.Exists(run.f.drive.path("Outside.txt")));
  EXPECT_EQ(run.f.ReadFile(run.f.drive.path("Velmar\\VelmarPM.exe")), "3400");
  EXPECT_TRUE(test::Contains(test::LogEntries(run.Log()), "\nFinished with errors, see the lines above\nVelmar install finished\n-\n"));
}

// A shell folder that reads empty, is no full path or is not there fails its
// shortcuts: none is written relative to the current folder or listed for
// the uninstall, and the run ends with errors.
TEST(ProductInstallFlow, AShellFolderThatIsNoExistingFullPathFailsItsShortcuts) {
  for (const std::string desktop : {"", "Desktop", "Q:\\Nowhere"}) {
    SCOPED_TRACE(desktop);
    FlowRun run;
    ASSERT_TRUE(run.f.registry.registry().WriteString(platform::RootKey::CurrentUser, ShellFoldersKey, "Desktop", desktop));
    Script script = test::ToSelection();
    PassGate(script).Page("TMainInstallForm").Click("NextBtn");
    script.Page("TWinLinksForm").Check("DesktopCB").Click("NextBtn").Page("TProjectOptionsForm").Click("NextBtn");
    script.Page("TReadyToInstallForm").Click("NextBtn").Page("TUnzipForm");
    script.Answer("Finished with errors", ui::Answer::Ok);
    test::BackToSelection(script).Key(Key::Escape);
    const auto result = run.f.Run(script);
    EXPECT_EQ(result.outcome, Outcome::FinishedWithErrors) << result.endMessage;
    EXPECT_FALSE(run.f.Exists(run.f.drive.path("Velmar.lnk")));
    EXPECT_TRUE(test::Contains(run.Log(), "ERROR: Shell folder Desktop is not an existing folder"));
    const std::string settings = run.f.drive.path("Velmar\\Velmar.ini");
    const int count = std::stoi(run.f.IniValue(settings, "Links", "Count"));
    EXPECT_GE(count, 1);  // the start menu's own
    for (int k = 1; k <= count; ++k)
      EXPECT_TRUE(AbsoluteFolder(FileFolderPart(run.f.IniValue(settings, "Links", std::to_string(k))))) << k;
  }
}

}  // namespace
}  // namespace velmar
