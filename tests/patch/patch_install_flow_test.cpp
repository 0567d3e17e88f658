// F4 as a whole program: the product folder, the patch with its comment, the
// ready page, the archive unpacked over the product folder without questions,
// and the end of a run in which the archive could not be unpacked.

#include <gtest/gtest.h>

#include "support/fixture/flow_scripts.h"
#include "install/page_run.h"
#include "patch/install_patch_form.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using ui::Key;
using ui::script::Outcome;
using ui::script::Script;

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
  test::StartInstall(script, Key::F4).Page("TMainInstallForm").Click("NextBtn");
  script.Page("TInstallPatchForm").Select("PatchLB", "Patch3502.zip").Click("PrevBtn");
  script.Page("TMainInstallForm").Type("VelPathEdit", f.drive.path("Plant\\Velmar")).Click("NextBtn");
  script.Page("TInstallPatchForm").Click("NextBtn");
  script.Page("TPatchReadyForm").Click("NextBtn");
  const auto result = f.Run(test::EndWith(script.Page("TUnzipForm"), "Patch finished.\nPatch3501.zip\nhas been installed."));
  ASSERT_EQ(result.outcome, Outcome::Finished) << result.endMessage;
  EXPECT_TRUE(test::Contains(test::PageBlock(result.transcript, "TInstallPatchForm"),
                             "    * Patch3501.zip\n    - Patch3502.zip\n  CommentMemo: memo, read-only\n    | Archive viewer\n"));
  EXPECT_EQ(test::ControlLine(test::PageBlock(result.transcript, "TPatchReadyForm"), "PatchLbl"),
            "PatchLbl: label \"" + f.MediumPath("Patch\\Patch3501.zip") + "\"");
  EXPECT_EQ(f.ReadFile(f.drive.path("Plant\\Velmar\\VelmarArc.exe")), "new arc");
  EXPECT_EQ(f.ReadFile(f.drive.path("Plant\\Velmar\\Bin\\Drivers\\Brenta.drv")), "driver");
}

// The log stays where the run's first entry (the accepted licence) put it,
// and holds the patch between its start line and the separator: the message
// shown at the end is not logged. A damaged item is logged with the archive
// and the reader's message, and the end in one English line whatever the
// language shown.
TEST(PatchInstallFlow, ADamagedItemIsLoggedInEnglishAndEndsWithErrors) {
  InstallerFixture f;
  f.WriteStandardMedium();
  f.WriteZip("Patch\\Patch3502.zip", {{"VelmarArc.exe", "new arc"}, {.name = "Bin/Brenta.drv", .data = "driver", .crc = 1234}});
  Script script = test::ToSelection("Deutsch");
  test::StartInstall(script, Key::F4).Page("TMainInstallForm").Click("NextBtn");
  script.Page("TInstallPatchForm").Click("NextBtn").Page("TPatchReadyForm").Click("NextBtn").Page("TUnzipForm");
  const auto result = f.Run(test::EndWith(script, "Mit Fehlern beendet !"));
  EXPECT_EQ(result.outcome, Outcome::FinishedWithErrors) << result.endMessage;
  EXPECT_EQ(test::FlowLog(f), "Software licence accepted by user\n\nInstall patch : Patch3502.zip\n"
                              "ERROR: Cannot unpack Bin/Brenta.drv from " + f.MediumPath("Patch\\Patch3502.zip") +
                              " : CRC error: the item's data is damaged\nFinished with errors, see the lines above\n-\n");
}

TEST(TInstallPatchForm, WithoutAnArchiveNextStaysDisabled) {
  test::PageRun<TInstallPatchForm> run(Script().Page("TInstallPatchForm").Click("CancelBtn"));
  PatchChoice choice{prNone, "left over", "old"};
  run.Show([&](TInstallPatchForm& page) { return (choice = page.Execute(1)).Result; });
  EXPECT_EQ(choice.Result, prCancel);
  EXPECT_EQ(test::ControlLine(run.Opened(), "NextBtn"), "NextBtn: button \"_Next\", disabled");
  EXPECT_EQ(choice.Name + choice.Comment, "");
}

}  // namespace
}  // namespace velmar
