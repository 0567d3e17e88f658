// F2 as a whole program: the pages in their order with the steps that are
// skipped, the installation between its log lines, and how a run in which a
// step failed ends.

#include <gtest/gtest.h>

#include "base/path_utils.h"
#include "support/fixture/flow_scripts.h"
#include "platform/registry.h"
#include "services/shell/shell.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using ui::Key;
using ui::script::Outcome;
using ui::script::Script;

struct FlowRun {
  FlowRun() {
    f.WriteStandardMedium();
    f.WriteProductArchive("Velmar3400.zip", {{"VelmarPM.exe", "3400"}, {"Help/Old.txt", "old"}});
  }
  InstallerFixture f;
};

TEST(ProductInstallFlow, InstallsTheChosenReleaseBetweenItsLogLines) {
  FlowRun run;
  run.f.WriteProductArchive("Velmar3410.zip", {{"VelmarPM.exe", "3410"}});
  Script script = test::ToSelection();
  test::StartInstall(script, Key::F2).Page("TMainInstallForm").Click("NextBtn");
  script.Page("TSelectVelZipForm").Select("VersionLB", "VELMAR Release 3.04.000").Click("NextBtn");
  script.Page("TWinLinksForm").Uncheck("DesktopCB").Click("NextBtn");
  script.Page("TProjectOptionsForm").Click("NextBtn").Page("TReadyToInstallForm").Click("NextBtn");
  const auto result = run.f.Run(test::EndWith(script.Page("TUnzipForm"), "Installation finished"));
  ASSERT_EQ(result.outcome, Outcome::Finished) << result.endMessage;
  EXPECT_EQ(run.f.ReadFile(run.f.drive.path("Velmar\\VelmarPM.exe")), "3400");
  EXPECT_FALSE(result.session.DesktopLinks);
  const std::string log = test::FlowLog(run.f);
  EXPECT_TRUE(test::Contains(log, "\nStart Velmar install :\nInstall Velmar version 3.04.000 to "));
  EXPECT_TRUE(test::Contains(log, "\nDo extra install functions\nInstallation finished\nVelmar install finished\n-\n"));
}

// With one release the version page never shows: Prev from the shortcuts
// page goes straight back to the folders. A cancelled flow logs nothing, and
// the second F2 of the run starts at the folder page.
TEST(ProductInstallFlow, OneReleaseSkipsTheVersionPageBothWaysAndTheGateIsPassedOnce) {
  FlowRun run;
  Script script = test::ToSelection();
  test::StartInstall(script, Key::F2).Page("TMainInstallForm").Click("NextBtn");
  script.Page("TWinLinksForm").Click("PrevBtn").Page("TMainInstallForm").Click("CancelBtn");
  test::BackToSelection(script).Key(Key::F2).Page("TMainInstallForm").Click("CancelBtn");
  const auto result = run.f.Run(test::EndWith(script, ""));
  ASSERT_EQ(result.outcome, Outcome::Finished) << result.endMessage;
  EXPECT_EQ(test::TimesShown(result.transcript, "TSelectVelZipForm"), 0);
  EXPECT_EQ(result.session.SelectedVersion, 0);
  EXPECT_EQ(test::FlowLog(run.f).find("Start Velmar install"), std::string::npos);
}

// A record that cannot be written ends in the general error box (status 3),
// the log naming the file and closing the flow's entries. A shell folder
// that is no full path fails its step: the run goes on and ends with errors
// (status 4), and every listed shortcut is a full path.
TEST(ProductInstallFlow, AFailedStepEndsTheRunWithErrorsAndNoShortcutIsRelative) {
  for (const bool recordReadOnly : {true, false}) {
    SCOPED_TRACE(recordReadOnly ? "a read-only record" : "a relative desktop folder");
    FlowRun run;
    if (recordReadOnly) {
      run.f.WriteFile(run.f.InstallRecordPath(), "[Install]\r\n");
      run.f.drive.fs().setAttributes(run.f.InstallRecordPath(), attr::ReadOnly);
    } else {
      ASSERT_TRUE(run.f.registry.registry().WriteString(platform::RootKey::CurrentUser, ShellFoldersKey, "Desktop", "Desktop"));
    }
    Script script = test::ProductInstall();  // with the desktop shortcuts
    if (!recordReadOnly) test::EndWith(script, "Finished with errors");
    const auto result = run.f.Run(script);
    const std::string log = test::FlowLog(run.f);
    if (recordReadOnly) {
      EXPECT_EQ(result.outcome, Outcome::Failed) << result.endMessage;
      EXPECT_TRUE(test::Contains(log, "\nCopy setup program from CD\nERROR: ")) << log;
      EXPECT_TRUE(test::Contains(log, run.f.InstallRecordPath()));
      EXPECT_TRUE(log.ends_with("\n-\n"));
      continue;
    }
    EXPECT_EQ(result.outcome, Outcome::FinishedWithErrors) << result.endMessage;
    EXPECT_TRUE(test::Contains(log, "ERROR: Shell folder Desktop is not")) << log;
    EXPECT_FALSE(run.f.Exists(run.f.drive.path("Velmar.lnk")));
    const std::string settings = run.f.drive.path("Velmar\\Velmar.ini");
    const int count = std::stoi(run.f.IniValue(settings, "Links", "Count"));
    EXPECT_GE(count, 1);  // the start menu's own
    for (int k = 1; k <= count; ++k)
      EXPECT_TRUE(AbsoluteFolder(FileFolderPart(run.f.IniValue(settings, "Links", std::to_string(k))))) << k;
  }
}

}  // namespace
}  // namespace velmar
