// F5 as a whole program: the guard, the pages with the steps between them,
// and the placement between its log lines.

#include <gtest/gtest.h>

#include "support/fixture/flow_scripts.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using ui::Key;
using ui::script::Outcome;
using ui::script::Script;

struct FlowRun {
  FlowRun() {
    f.WriteStandardMedium();
    f.WriteZip("Projects\\Plant\\Plant.zip", {{"Line1/Line1.VPR", "[Project]\r\n"}, {"Line1/Main.scr", "screen"}},
               {.comment = "Line one"});
  }
  InstallerFixture f;
};

TEST(ProjectInstallFlow, PlacesTheChosenProjectBetweenItsLogLinesAfterPrevAndNext) {
  FlowRun run;
  Script script = test::ToSelection();
  script.Key(Key::F5).Page("TPickProjectForm").Select("ProjectTV", "Plant.zip : [Line1\\Line1.VPR]").Click("NextBtn");
  script.Page("TProjectCheckForm").Click("PrevBtn").Page("TPickProjectForm").Click("NextBtn");
  script.Page("TProjectCheckForm").Type("LinkNameEdit", "Line one").Click("NextBtn").Page("TReadyToInstProjForm").Click("PrevBtn");
  script.Page("TProjectCheckForm").Click("NextBtn").Page("TReadyToInstProjForm").Click("NextBtn");
  const auto result = run.f.Run(test::EndWith(script.Page("TUnzipForm"), "Finished installing the project"));
  ASSERT_EQ(result.outcome, Outcome::Finished) << result.endMessage;
  // The folder page proposes afresh each time: the shortcut typed before Prev is gone.
  EXPECT_EQ(run.f.ReadFile(run.f.drive.path("VelProj\\Line1\\Main.scr")), "screen");
  EXPECT_TRUE(run.f.Exists(run.f.drive.path("Velmar\\Projects\\Line1.LNK")));
  // The flow's entries: the placement between the start line and the
  // separator; the message shown at the end is not logged.
  const std::string log = test::FlowLog(run.f);
  EXPECT_EQ(log.substr(log.find("\nInstall project : \n")),
            "\nInstall project : \nUnzip project into " + run.f.drive.path("VelProj\\Line1\\") +
                "\nProject unzipped\nCreate shortcut to project\n-\n");
}

TEST(ProjectInstallFlow, ARunningProgramOfTheProductKeepsThePagesAway) {
  FlowRun run;
  const auto held = run.f.HoldMutex("rmVel_ProjectManager_Run_Mutex");
  Script script = test::ToSelection();
  const auto result = run.f.Run(test::EndWith(script.Key(Key::F5), "Project manager is running"));
  EXPECT_EQ(result.outcome, Outcome::Finished) << result.endMessage;
  EXPECT_EQ(test::TimesShown(result.transcript, "TPickProjectForm"), 0);
}

}  // namespace
}  // namespace velmar
