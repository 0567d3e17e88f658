#include "projects/pick_project_form.h"

#include <memory>

#include <gtest/gtest.h>

#include "support/installer_fixture.h"
#include "support/installer_test_context.h"
#include "support/zip_writer.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using test::BuildZip;
using ui::script::Outcome;
using ui::script::Script;

// The page made after the test has laid out the medium, as start-up makes it.
struct PickRun {
  explicit PickRun(Script script) : host(std::move(script)) {}
  PageResult Show(int step) {
    page = std::make_unique<TPickProjectForm>(t.app);
    PageResult result = prNone;
    outcome = host.Run([&] {
      result = page->Execute(step, request);
      return Outcome::Finished;
    });
    return result;
  }
  std::string Transcript() const { return host.TranscriptText(); }

  ui::script::ScriptHost host;
  test::InstallerTestContext t{host};
  std::unique_ptr<TPickProjectForm> page;
  ProjectRequest request;
  Outcome outcome = Outcome::Failed;
};

TEST(TPickProjectForm, ShowsEveryProjectOfTheMediumSortedAndLeavesOutFoldersWithout) {
  PickRun run(Script()
                  .Page("TPickProjectForm")
                  .Select("ProjectTV", "Plant")
                  .Select("ProjectTV", "Plant.zip : [Line2\\Main.vpr]")
                  .DoubleClick("ProjectTV", {"Plant", "Plant.zip : [Line2\\Main.vpr]"}));
  auto& d = run.t.drive;
  d.writeFile("Projects\\Plant\\Plant.zip",
              BuildZip({{"Line1/Line1.VPR", "1"}, {"Line2/Main.vpr", "2"}, {"Docs/Readme.txt", "r"},
                        {"../Escape.VPR", "e"}, {"Folder.VPR/", ""}},
                       {.comment = "Two lines & a tank"}));
  d.writeFile("Projects\\Plant\\Old.vpr", "o");
  d.writeFile("Projects\\alpha.VPR", "a");
  d.writeFile("Projects\\Zeta\\Deep\\z.vpr", "z");
  d.writeFile("Projects\\Docs\\Readme.txt", "no project");
  d.writeFile("Projects\\Docs\\Deeper\\Notes.txt", "no project");
  d.writeFile("Projects\\Broken\\Broken.zip", "PK not an archive");
  d.writeFile("Projects\\.svn\\Copy.vpr", "dot folder");
  d.writeFile("Projects\\Secret\\Hidden.vpr", "hidden");
  run.t.files.setAttributes(d.path("Projects\\Secret\\Hidden.vpr"), attr::Hidden);

  EXPECT_EQ(run.Show(0), prNext);
  ASSERT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
  const std::string opened = test::PageBlock(run.Transcript(), "TPickProjectForm");
  EXPECT_TRUE(test::Contains(opened,
                             "  ProjectTV: tree view\n"
                             "    - alpha\n"
                             "    - Plant\n"
                             "      - Old\n"
                             "      - Plant.zip : [Line1\\Line1.VPR]\n"
                             "      - Plant.zip : [Line2\\Main.vpr]\n"
                             "    - Zeta\n"
                             "      - Deep\n"
                             "        - z\n"));
  EXPECT_EQ(test::ControlLine(opened, "PrevBtn"), "PrevBtn: button \"_Prev\", disabled");
  EXPECT_EQ(test::ControlLine(opened, "NextBtn"), "NextBtn: button \"_Next\", disabled");
  // A folder cannot be chosen; a project can, and shows its archive's comment.
  EXPECT_TRUE(test::Contains(run.Transcript(),
                             "> select ProjectTV \"Plant.zip : [Line2\\Main.vpr]\"\n"
                             "  NextBtn: button \"_Next\"\n"
                             "  StatBar: status line \"Two lines & a tank\"\n"));
  EXPECT_EQ(run.request.ProjectFile, "Line2\\Main.vpr");
  EXPECT_EQ(run.request.Archive, d.path("Projects\\Plant\\Plant.zip"));
  EXPECT_EQ(run.request.ArchiveComment, "Two lines & a tank");
}

TEST(TPickProjectForm, WithoutProjectsOnlyCancelIsLeftAndAPlainFileHasNoComment) {
  {
    PickRun run(Script().Page("TPickProjectForm").Click("CancelBtn"));
    EXPECT_EQ(run.Show(1), prCancel);
    const std::string opened = test::PageBlock(run.Transcript(), "TPickProjectForm");
    EXPECT_EQ(test::ControlLine(opened, "ProjectTV"), "ProjectTV: tree view, empty");
    EXPECT_EQ(test::ControlLine(opened, "NextBtn"), "NextBtn: button \"_Next\", disabled");
    EXPECT_EQ(test::ControlLine(opened, "PrevBtn"), "PrevBtn: button \"_Prev\"");
  }
  PickRun run(Script().Page("TPickProjectForm").SelectPath("ProjectTV", {"Site", "Pumps"}).Click("NextBtn"));
  run.t.drive.writeFile("Projects\\Site\\Pumps.vpr", "s");
  run.request = {"old", "old.zip", "old comment", "", ""};
  EXPECT_EQ(run.Show(0), prNext);
  EXPECT_EQ(run.request.ProjectFile, run.t.drive.path("Projects\\Site\\Pumps.vpr")) << run.host.EndMessage();
  EXPECT_EQ(run.request.Archive, "");
  EXPECT_EQ(run.request.ArchiveComment, "");
}

}  // namespace
}  // namespace velmar
