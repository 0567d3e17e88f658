// F4 as a whole program: the product folder, the patch with its comment, the
// ready page, the archive unpacked over the product folder without questions,
// and the end of a run in which the archive could not be unpacked.

#include <gtest/gtest.h>

#include "install/page_run.h"
#include "patch/install_patch_form.h"
#include "support/installer_fixture.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using ui::Key;
using ui::script::Outcome;
using ui::script::Script;

Script& ToPatchList(Script& script) {
  return test::StartInstall(script, Key::F4);
}

// Prev from the patch list goes back to the folder, and the folder chosen
// there is where the patch goes, with the folders it names.
TEST(PatchInstallFlow, UnpacksTheChosenPatchOverTheProductFolderWithoutQuestions) {
  InstallerFixture f;
  f.WriteStandardMedium();
  f.WriteZip("Patch\\Patch3501.zip", {{"VelmarArc.exe", "new arc"}, {"Bin/Drivers/Brenta.drv", "driver"}},
             {.comment = "Archive viewer\r\nand driver"});
  f.WritePatchArchive("Patch3502.zip");
  f.WriteFile(f.drive.path("Plant\\Velmar\\VelmarArc.exe"), "old arc");
  Script script = test::ToSelection();
  ToPatchList(script).Page("TMainInstallForm").Click("NextBtn");
  script.Page("TInstallPatchForm").Select("PatchLB", "Patch3502.zip").Click("PrevBtn");
  script.Page("TMainInstallForm").Type("VelPathEdit", f.drive.path("Plant\\Velmar")).Click("NextBtn");
  script.Page("TInstallPatchForm").Click("NextBtn");
  script.Page("TPatchReadyForm").Click("NextBtn");
  script.Page("TUnzipForm").Answer("Patch finished.\nPatch3501.zip\nhas been installed.", ui::Answer::Ok);
  test::BackToSelection(script).Key(Key::Escape);
  const auto result = f.Run(script);
  ASSERT_EQ(result.outcome, Outcome::Finished) << result.endMessage;
  const std::string list = test::PageBlock(result.transcript, "TInstallPatchForm");
  EXPECT_TRUE(test::Contains(list, "    * Patch3501.zip\n    - Patch3502.zip\n"));
  EXPECT_TRUE(test::Contains(list, "  CommentMemo: memo, read-only\n    | Archive viewer\n    | and driver\n"));
  // The archive without comment leaves the box empty.
  EXPECT_TRUE(test::Contains(result.transcript, "    * Patch3502.zip\n  CommentMemo: memo, read-only, empty\n"));
  const std::string ready = test::PageBlock(result.transcript, "TPatchReadyForm");
  EXPECT_EQ(test::ControlLine(ready, "PatchLbl"), "PatchLbl: label \"" + f.MediumPath("Patch\\Patch3501.zip") + "\"");
  EXPECT_EQ(test::ControlLine(ready, "NextBtn"), "NextBtn: button \"_Finish\"");
  EXPECT_EQ(f.ReadFile(f.drive.path("Plant\\Velmar\\VelmarArc.exe")), "new arc");
  EXPECT_EQ(f.ReadFile(f.drive.path("Plant\\Velmar\\Bin\\Drivers\\Brenta.drv")), "driver");
  // The log stays where the run's first entry (the accepted licence) put it.
  const std::string log = f.ReadFile(f.drive.path("Velmar\\Install.log")).value_or("");
  EXPECT_TRUE(test::Contains(log, " : Install patch : Patch3501.zip\r\n"));
  EXPECT_TRUE(test::Contains(log, "has been installed.\r\n- - - -"));
}

TEST(PatchInstallFlow, AnArchiveGoneSinceStartUpEndsWithErrors) {
  InstallerFixture f;
  f.WriteStandardMedium();
  f.WritePatchArchive("Patch3501.zip");
  f.onPageShown = [&](const ui::Page& page) {
    if (page.ClassName() == "TPatchReadyForm") f.drive.fs().deleteFile(f.MediumPath("Patch\\Patch3501.zip"));
  };
  Script script = test::ToSelection();
  ToPatchList(script).Page("TMainInstallForm").Click("NextBtn");
  script.Page("TInstallPatchForm").Click("NextBtn").Page("TPatchReadyForm").Click("NextBtn");
  script.Page("TUnzipForm").Click("CancelBtn").Answer("Finished with errors", ui::Answer::Ok);
  test::BackToSelection(script).Key(Key::Escape);
  const auto result = f.Run(script);
  EXPECT_EQ(result.outcome, Outcome::FinishedWithErrors) << result.endMessage;
  EXPECT_EQ(test::Messages(result.transcript).front().find("Patch finished"), std::string::npos);
}

TEST(TInstallPatchForm, WithoutAnArchiveNextStaysDisabled) {
  test::PageRun<TInstallPatchForm> run(Script().Page("TInstallPatchForm").Click("CancelBtn"));
  std::string name = "left over", comment = "old";
  EXPECT_EQ(run.Show([&](TInstallPatchForm& page) { return page.Execute(1, name, comment); }), prCancel);
  EXPECT_EQ(test::ControlLine(run.Opened(), "NextBtn"), "NextBtn: button \"_Next\", disabled");
  EXPECT_EQ(test::ControlLine(run.Opened(), "PatchLB"), "PatchLB: list box, empty");
  EXPECT_EQ(name, "");
  EXPECT_EQ(comment, "");
}

}  // namespace
}  // namespace velmar
