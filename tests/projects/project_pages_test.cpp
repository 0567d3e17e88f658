// The pages of the project installation: the project list, the place
// proposed and checked, the ready page, and the dialog for a shortcut name
// that is taken.

#include <memory>

#include <gtest/gtest.h>

#include "base/path_utils.h"
#include "install/page_run.h"
#include "projects/pick_project_form.h"
#include "projects/project_check_form.h"
#include "projects/project_request.h"
#include "projects/unique_name_dlg.h"
#include "support/zip_writer.h"
#include "text/texts.h"

namespace velmar {
namespace {

using test::BuildZip;
using ui::Key;
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
    EXPECT_EQ(outcome, Outcome::Finished) << host.EndMessage();
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
  PickRun run(Script().Page("TPickProjectForm").Select("ProjectTV", "Plant").Select("ProjectTV", "Plant.zip : [Line2\\Main.vpr]")
                  .DoubleClick("ProjectTV", {"Plant", "Plant.zip : [Line2\\Main.vpr]"}));
  auto& d = run.t.drive;
  d.writeFile("Projects\\Plant\\Plant.zip",
              BuildZip({{"Line1/Line1.VPR", "1"}, {"Line2/Main.vpr", "2"}, {"Docs/Readme.txt", "r"},
                        {"../Escape.VPR", "e"}, {"Folder.VPR/", ""}},
                       {.comment = "Two lines & a tank"}));
  for (const char* file : {"Plant\\Old.vpr", "alpha.VPR", "Zeta\\Deep\\z.vpr", "Docs\\Readme.txt", "Docs\\Deeper\\Notes.txt",
                           "Broken\\Broken.zip", ".svn\\Copy.vpr", "Secret\\Hidden.vpr"})
    d.writeFile(std::string("Projects\\") + file, "PK not an archive");
  run.t.files.setAttributes(d.path("Projects\\Secret\\Hidden.vpr"), attr::Hidden);

  EXPECT_EQ(run.Show(0), prNext);
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
  EXPECT_EQ(run.request.ProjectFile, "Line2\\Main.vpr");
  EXPECT_EQ(run.request.Archive, d.path("Projects\\Plant\\Plant.zip"));
  EXPECT_EQ(run.request.ArchiveComment, "Two lines & a tank");
}

// A plain file chosen after an archive leaves nothing of the archive behind.
TEST(TPickProjectForm, APlainFileHasNoArchiveOrComment) {
  PickRun run(Script().Page("TPickProjectForm").SelectPath("ProjectTV", {"Site", "Pumps"}).Click("NextBtn"));
  run.t.drive.writeFile("Projects\\Site\\Pumps.vpr", "s");
  run.request = {"old", "old.zip", "old comment", "", ""};
  EXPECT_EQ(run.Show(0), prNext);
  EXPECT_EQ(run.request.ProjectFile, run.t.drive.path("Projects\\Site\\Pumps.vpr")) << run.host.EndMessage();
  EXPECT_EQ(run.request.Archive, "");
  EXPECT_EQ(run.request.ArchiveComment, "");
}

TEST(TProjectCheckForm, ProposesTheFolderAndNameAndNamesTheFirstProblem) {
  test::PageRun<TProjectCheckForm> run(Script().Page("TProjectCheckForm").Type("FolderEdit", "C:\\VelProj\\")
                                           .Type("LinkNameEdit", "").Type("FolderEdit", " C:\\Plants\\Line1\\ ")
                                           .Type("LinkNameEdit", " Main line ").Click("NextBtn"));
  run.t.session.ProjectsPath = "C:\\VelProj";
  ProjectRequest request{"Line1\\Main.VPR", "D:\\Projects\\Plant\\Plant.zip", "Two lines", "", ""};
  EXPECT_EQ(run.Show([&](TProjectCheckForm& page) { return page.Execute(2, request); }), prNext);
  EXPECT_TRUE(test::Contains(run.Opened(), "  FolderEdit: edit \"C:\\VelProj\\Line1\"\n"));
  // Leaving the folder trims it and drops its backslash.
  EXPECT_TRUE(test::Contains(run.Transcript(), "  FolderEdit: edit \"C:\\Plants\\Line1\"\n"));
  EXPECT_EQ(request.TargetFolder, "C:\\Plants\\Line1\\");
  EXPECT_EQ(request.ShortcutName, "Main line");
}

// Whatever is typed, the name stays in the folder of the taken one with its
// extension; a name taken too, or none, cannot be confirmed.
TEST(TUniqueNameDlg, KeepsFolderAndExtensionAndReturnsOnlyAFreeName) {
  struct Case {
    Script script;
    std::string result;  // drive-relative; "" none
    std::string shown;   // what the box shows after the Enter, when not empty
  };
  const Case cases[] = {
      {Script().Type("NameEdit", " ..\\Elsewhere\\New.txt ").Key(Key::Enter), "Links\\New.LNK"},
      {Script().Type("NameEdit", "C:\\Other\\taken.lnk").Key(Key::Enter).Click("CancelBtn"), "", "Links\\taken.LNK"},
      {Script().Type("NameEdit", " .lnk").Key(Key::Enter).Key(Key::Escape), ""},
  };
  for (const Case& c : cases) {
    test::PageRun<TUniqueNameDlg> run(test::OnPage("TUniqueNameDlg", c.script));
    run.t.drive.writeFile("Links\\Site.LNK", "link");
    run.t.drive.writeFile("Links\\Taken.LNK", "link");
    std::string result = "<not run>";
    run.Show([&](TUniqueNameDlg& dialog) {
      result = dialog.Execute(run.t.drive.path("Links\\Site.LNK"));
      return prNone;
    });
    EXPECT_EQ(result, c.result.empty() ? "" : run.t.drive.path(c.result)) << run.Transcript();
    // Taken as well: the dialog stays, OK disabled and the status line as they were.
    if (!c.shown.empty()) {
      EXPECT_TRUE(test::Contains(run.Transcript(), "> key Enter\n  NameEdit: edit \"" + run.t.drive.path(c.shown) + "\"\n> click"));
    }
  }
}

TEST(ProposeProjectPlace, NamesTheSubFolderAndShortcutAfterWhereTheProjectLies) {
  struct Case {
    const char* archive;
    const char* projectFile;
    const char* folder;
    const char* shortcut;
  } cases[] = {
      // An archive's project in a folder of its own; at its root the archive's folder names it ...
      {"D:\\Projects\\Plant\\Plant.zip", "Line1\\Line1.VPR", "C:\\VelProj\\Line1", "Line1"},
      {"D:\\Projects\\Plant\\Plant.zip", "Line1\\Main.VPR", "C:\\VelProj\\Line1", "Line1 - Main"},
      {"D:\\Projects\\Plant\\Plant.zip", "Main.VPR", "C:\\VelProj\\Plant", "Plant - Main"},
      // ... unless that is Projects\ itself.
      {"D:\\Projects\\Plant.zip", "Main.VPR", "C:\\VelProj\\Main", "Main"},
      // Several levels make the folder; the shortcut (in the shortcut folder itself) takes the last.
      {"D:\\Projects\\Plant.zip", "Works\\Line2\\LINE2.vpr", "C:\\VelProj\\Works\\Line2", "Line2"},
      // A plain project file on the medium.
      {"", "D:\\Projects\\Site\\Site.vpr", "C:\\VelProj\\Site", "Site"},
      {"", "D:\\Projects\\Site\\Pumps.vpr", "C:\\VelProj\\Site", "Site - Pumps"},
  };
  for (const Case& c : cases) {
    const ProjectPlaceProposal p = ProposeProjectPlace({c.projectFile, c.archive, "", "", ""}, "C:\\VelProj\\");
    EXPECT_EQ(p.TargetFolder, c.folder) << c.projectFile;
    EXPECT_EQ(p.ShortcutName, c.shortcut) << c.projectFile;
  }
}

TEST(CheckProjectPlace, NamesTheFirstProblem) {
  struct Case {
    const char* folder;
    const char* shortcut;
    int problem;
  } cases[] = {
      {" C:\\VelProj\\Line1\\ ", " Line1 ", 0},
      {"\\\\server\\share\\Line1", "Line1", 0},
      {"C:\\", "Line1", text::InvalidInstallFolder},
      // A folder that depends on the current folder or drive.
      {"Projects\\Line1", "Line1", text::InvalidInstallFolder},
      // The projects folder itself, however it is written.
      {"C:\\VelProj\\", "", text::SubFolderRequired},
      // A shortcut name that would put the shortcut elsewhere or cannot be a file.
      {"C:\\VelProj\\Line1", "..\\Line1", text::InvalidShortcutName},
      {"C:\\VelProj\\Line1", "Line1?", text::InvalidShortcutName},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CheckProjectPlace(c.folder, c.shortcut, "C:\\VelProj"), c.problem) << c.folder << " / " << c.shortcut;
}

}  // namespace
}  // namespace velmar
