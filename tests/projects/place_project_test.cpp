#include "projects/place_project.h"

#include <gtest/gtest.h>

#include "base/path_utils.h"
#include "platform/shortcuts.h"
#include "files/file_utils.h"
#include "services/zip/unzip_form.h"
#include "support/files/folder_link.h"
#include "support/fixture/installer_fixture.h"
#include "support/fixture/installer_test_context.h"
#include "support/zip_writer.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using test::BuildZip;
using test::ZipEntry;
using ui::script::Outcome;
using ui::script::Script;

// The placement on the test's drive with a fixed clock: the medium in
// Medium\, projects in VelProj\, shortcuts in Links\.
struct PlacementRun {
  explicit PlacementRun(Script script = {}) : host(std::move(script)) {
    s.MediumRoot = t.drive.path("Medium\\");
    s.ProjectsPath = t.drive.path("VelProj");
    s.LinkPath = t.drive.path("Links");
  }
  PlacementResult Place(ProjectRequest r, bool makeShortcut = true) {
    request = std::move(r);
    outcome = host.Run([&] {
      result = PlaceProject(app, unzip, overwrite, request, makeShortcut);
      return Outcome::Finished;
    });
    EXPECT_EQ(outcome, Outcome::Finished) << host.EndMessage();
    return result;
  }
  std::string Path(std::string_view relative) const { return t.drive.path(relative); }
  std::string Archive(const std::vector<ZipEntry>& entries) {
    t.drive.writeFile("Medium\\Projects\\Plant\\Plant.zip", BuildZip(entries));
    return Path("Medium\\Projects\\Plant\\Plant.zip");
  }
  // The names in a folder, "." and ".." aside.
  std::vector<std::string> Names(std::string_view relative) { return test::FolderNames(t.drive.fs(), Path(relative)); }
  bool TemporaryLeft(std::string_view relative) {
    for (const std::string& name : Names(relative))
      if (name.rfind("TmpUnzip_", 0) == 0) return true;
    return false;
  }
  std::string Target(const std::string& link) {
    const auto read = t.shortcuts->ReadShortcut(Path(link));
    return read ? read->target : "<none>";
  }
  std::string Read(std::string_view relative) { return t.drive.readFile(relative); }
  void Write(std::string_view relative, const std::string& text) { t.drive.writeFile(relative, text); }

  ui::script::ScriptHost host;
  test::InstallerTestContext t{host};
  InstallSession& s = t.session;
  test::FixedSystemInfo clock;
  platform::Services os{t.files, clock, t.mutexes, t.processes, t.registry.registry(), *t.shortcuts, *t.taskbar};
  InstallerContext app{os, host, t.session, t.texts, t.log};
  TOverwriteDlg overwrite{app};
  TUnzipForm unzip{app, overwrite};
  ProjectRequest request;
  PlacementResult result;
  Outcome outcome = Outcome::Failed;
};

const std::vector<ZipEntry> PlantItems = {{"Line1/Line1.VPR", "new vpr"}, {"Line1/a.scr", "new a"},
                                          {"Line1/Sub/b.scr", "new b"}, {"Other/x.txt", "x"}};

TEST(PlaceProject, InItsOwnPlaceTheArchiveIsUnpackedAskingBeforeEachExistingFile) {
  PlacementRun run(Script().Page("TUnzipForm").Page("TOverwriteDlg").Click("NoBtn").Page("TOverwriteDlg").Click("YesBtn"));
  const std::string archive = run.Archive(PlantItems);
  run.Write("VelProj\\Line1\\a.scr", "old a");
  run.Write("VelProj\\Line1\\Sub\\b.scr", "old b");
  const auto result = run.Place({"Line1\\Line1.VPR", archive, "", run.Path("velproj\\LINE1"), "Line1"});
  EXPECT_FALSE(result.Failed);
  EXPECT_EQ(run.Read("VelProj\\Line1\\a.scr") + "|" + run.Read("VelProj\\Line1\\Sub\\b.scr"), "old a|new b");
  EXPECT_EQ(run.Read("VelProj\\Other\\x.txt"), "x");  // the whole archive, in place
  EXPECT_FALSE(run.TemporaryLeft("VelProj"));
  EXPECT_EQ(run.Target("Links\\Line1.LNK"), run.Path("VelProj\\Line1\\Line1.VPR"));
}

// Elsewhere the archive goes into a fresh temporary folder without
// questions; only the project's folder is moved on, and NoToAll keeps every
// existing file of the target. The temporary folder goes in any case.
TEST(PlaceProject, ElsewhereTheProjectIsMovedThroughATemporaryFolderThatIsRemoved) {
  PlacementRun run(Script().Page("TUnzipForm").Page("TOverwriteDlg").Click("NoToAllBtn"));
  const std::string archive = run.Archive(PlantItems);
  run.Write("VelProj\\Works\\a.scr", "old a");
  run.Write("VelProj\\Works\\Sub\\b.scr", "old b");
  const auto result = run.Place({"Line1\\Line1.VPR", archive, "", run.Path("VelProj\\Works"), "Works"}, false);
  EXPECT_FALSE(result.Failed);
  EXPECT_EQ(run.Read("VelProj\\Works\\Line1.VPR") + "|" + run.Read("VelProj\\Works\\a.scr") + "|" +
                run.Read("VelProj\\Works\\Sub\\b.scr"),
            "new vpr|old a|old b");
  EXPECT_FALSE(run.t.drive.exists("VelProj\\Works\\Other\\x.txt"));
  EXPECT_EQ(run.Names("VelProj"), std::vector<std::string>{"Works"});
  // A custom install's placement makes no shortcut.
  EXPECT_FALSE(run.t.drive.exists("Links"));
}

// The second placement of the same project asks before it copies over the
// first and finds the shortcut leading there already: no dialog, no second
// shortcut. A shortcut of that name that leads elsewhere brings the dialog,
// and the new one stays in the shortcut folder whatever is typed.
TEST(PlaceProject, TheShortcutIsReadBackAndATakenNameAsksForANewOne) {
  PlacementRun run(Script().Page("TOverwriteDlg").Click("YesToAllBtn").Page("TUniqueNameDlg")
                       .Type("NameEdit", " ..\\Elsewhere\\Site 2.txt ").Click("OkBtn"));
  run.Write("Medium\\Projects\\Site\\Site.vpr", "site");
  run.Write("Medium\\Projects\\Site\\Screens\\Main.scr", "main");
  const ProjectRequest site{run.Path("Medium\\Projects\\Site\\Site.vpr"), "", "", run.Path("VelProj\\Site"), "Site"};
  const std::string link = run.Path("Links\\Site.LNK");
  run.host.Run([&] {
    EXPECT_FALSE(PlaceProject(run.app, run.unzip, run.overwrite, run.request = site, true).Failed);
    EXPECT_FALSE(PlaceProject(run.app, run.unzip, run.overwrite, run.request = site, true).Failed);
    EXPECT_EQ(run.request.ShortcutName, link);
    // Another project whose shortcut would have the same name.
    ProjectRequest other = site;
    other.TargetFolder = run.Path("VelProj\\Site2");
    EXPECT_FALSE(PlaceProject(run.app, run.unzip, run.overwrite, run.request = other, true).Failed);
    return Outcome::Finished;
  });
  ASSERT_EQ(run.host.EndMessage(), "");
  EXPECT_EQ(run.Read("VelProj\\Site\\Screens\\Main.scr"), "main");
  EXPECT_EQ(run.Names("Links"), (std::vector<std::string>{"Site 2.LNK", "Site.LNK"}));
  EXPECT_EQ(run.Target("Links\\Site.LNK"), run.Path("VelProj\\Site\\Site.vpr"));
  EXPECT_EQ(run.Target("Links\\Site 2.LNK"), run.Path("VelProj\\Site2\\Site.vpr"));
  EXPECT_EQ(run.request.ShortcutName, run.Path("Links\\Site 2.LNK"));
}

TEST(PlaceProject, AStepThatFailsIsReportedAndNoShortcutLeadsToNothing) {
  struct Case {
    const char* what;
    Script script;
    std::function<void(PlacementRun&)> spoil;
  };
  const test::FixedSystemInfo clock;
  const std::string stamp = TemporaryUnzipName(clock.Now);
  const Case cases[] = {
      {"the archive is missing", Script().Page("TUnzipForm").Click("CancelBtn"),
       [](PlacementRun& run) { run.t.drive.fs().deleteFile(run.Path("Medium\\Projects\\Plant\\Plant.zip")); }},
      {"the temporary folder is there already", Script().Answer("Failed to create temporary", ui::Answer::Ok),
       [&](PlacementRun& run) { run.Write("VelProj\\" + stamp + "\\Keep.txt", "not ours"); }},
      {"the project file cannot be written", Script().Page("TUnzipForm"),
       [](PlacementRun& run) {
         run.t.files.addFault({.op = test::FileOp::Create, .persistent = true, .pathContains = "Works\\Line1.VPR"});
       },
      },
  };
  for (const Case& c : cases) {
    PlacementRun run(c.script);
    const std::string archive = run.Archive(PlantItems);
    c.spoil(run);
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(run.Place({"Line1\\Line1.VPR", archive, "", run.Path("VelProj\\Works"), "Works"}).Failed);
    EXPECT_FALSE(run.t.drive.exists("Links\\Works.LNK"));
    // Only the temporary folder this placement made is removed.
    for (const std::string& name : run.Names("VelProj"))
      EXPECT_TRUE(name == "Works" || run.t.drive.exists("VelProj\\" + stamp + "\\Keep.txt")) << name;
  }
}

// Whatever the settings say the projects folder is, and whatever the request
// names, the placement deletes nothing but its own temporary folder.
TEST(PlaceProject, NothingOutsideItsOwnTemporaryFolderIsEverDeleted) {
  struct Case {
    const char* projectsFolder;  // drive-relative; "" the drive's root
    const char* projectFile;
    bool placed;
  } cases[] = {
      {"", "Line1\\Line1.VPR", true},
      {"VelProj", "..\\..\\Keep\\Keep.VPR", false},
      {"VelProj", "C:\\Keep\\Keep.VPR", false},
  };
  const char* const kept[] = {"Keep\\Keep.VPR", "Windows\\win.ini", "VelProj\\Old\\Old.vpr", "VelProj\\Line1\\a.scr"};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.projectsFolder) + " " + c.projectFile);
    PlacementRun run(c.placed ? Script().Page("TUnzipForm") : Script());
    const std::string archive = run.Archive(PlantItems);
    for (const char* file : kept) run.Write(file, "keep");
    run.s.ProjectsPath = run.Path(c.projectsFolder);
    EXPECT_EQ(run.Place({c.projectFile, archive, "", run.Path("Target"), "T"}, false).Failed, !c.placed);
    for (const char* file : kept) EXPECT_EQ(run.Read(file), "keep") << file;
    EXPECT_EQ(run.t.drive.exists("Target\\Line1.VPR"), c.placed);
    EXPECT_FALSE(run.TemporaryLeft(c.projectsFolder));
  }
}

TEST(TemporaryUnzipFolder, IsMadeOnlyNewBelowAFullPathAndLeavesHiddenAndSystemFiles) {
  PlacementRun run;
  auto& fs = run.t.files;
  const LocalDateTime now{2026, 12, 5, 9, 4, 3};
  EXPECT_EQ(TemporaryUnzipName(now), "TmpUnzip_261205090403_");
  EXPECT_FALSE(TemporaryUnzipFolder::Create(fs, "VelProj", now));
  auto folder = TemporaryUnzipFolder::Create(fs, run.Path("VelProj"), now);
  ASSERT_TRUE(folder);
  EXPECT_FALSE(TemporaryUnzipFolder::Create(fs, run.Path("VelProj\\"), now));  // it is there now
  const std::string relative = "VelProj\\TmpUnzip_261205090403_\\";
  for (const char* file : {"a.txt", "Sub\\b.txt", "Kept\\hidden.txt", ".git\\c.txt"}) run.Write(relative + file, "x");
  fs.setAttributes(run.Path(relative + "Kept\\hidden.txt"), attr::Hidden);
  folder->Remove();
  EXPECT_EQ(run.Names("VelProj\\TmpUnzip_261205090403_"), (std::vector<std::string>{".git", "Kept"}));
  EXPECT_TRUE(run.t.drive.exists(relative + "Kept\\hidden.txt"));
}

// What the temporary folder's removal meets that it did not make: a link
// inside it to the user's data is not followed, and a folder put in its
// place (here a link to the data) is not touched at all.
TEST(TemporaryUnzipFolder, RemovalNeverFollowsALinkOutOfTheFolder) {
  const LocalDateTime now{2026, 12, 5, 9, 4, 3};
  for (const bool replaced : {false, true}) {
    PlacementRun run;
    auto& fs = run.t.files;
    run.Write("Data\\budget.xlsx", "keep");
    run.Write("Data\\Reports\\q1.doc", "keep too");
    auto folder = TemporaryUnzipFolder::Create(fs, run.Path("VelProj"), now);
    ASSERT_TRUE(folder);
    const std::string temporary = "VelProj\\TmpUnzip_261205090403_";
    run.Write(temporary + "\\a.txt", "x");
    std::optional<test::FolderLink> link;
    if (replaced) {
      run.t.drive.fs().deleteFile(run.Path(temporary + "\\a.txt"));
      run.t.drive.fs().removeFolder(run.Path(temporary));
      link.emplace(run.t.drive, temporary, "Data");
    } else {
      link.emplace(run.t.drive, temporary + "\\Inside", "Data");
    }
    if (!link->made()) GTEST_SKIP() << "this port cannot link a folder";
    folder->Remove();
    EXPECT_EQ(run.Read("Data\\budget.xlsx") + "|" + run.Read("Data\\Reports\\q1.doc"), "keep|keep too") << replaced;
  }
}

// A move deletes only what it copied: a file it could not copy stays where it was.
TEST(TreeTransfer, AMoveKeepsAFileItCouldNotCopy) {
  PlacementRun run(Script().Page("TOverwriteDlg").Click("YesToAllBtn"));
  run.Write("Src\\a.txt", "new a");
  run.Write("Src\\b.txt", "new b");
  run.Write("Dst\\a.txt", "old a");
  run.t.files.setAttributes(run.Path("Dst\\a.txt"), attr::ReadOnly);
  TreeTransfer transfer(run.app, run.overwrite);
  run.outcome = run.host.Run([&] {
    transfer.MoveTree(run.Path("Src\\"), run.Path("Dst\\"));
    return Outcome::Finished;
  });
  EXPECT_TRUE(transfer.Failed());
  EXPECT_EQ(run.Read("Src\\a.txt") + "|" + run.Read("Dst\\a.txt") + "|" + run.Read("Dst\\b.txt"), "new a|old a|new b");
  EXPECT_FALSE(run.t.drive.exists("Src\\b.txt"));
}

// However the target is spelt, a copy into the source's own sub-folder copies
// the tree once, and a copy or move onto the source itself (by its name in
// another case, a second drive letter or a linked folder) touches nothing
// and asks nothing.
TEST(TreeTransfer, ACopyIntoItsOwnSubFolderCopiesOnceAndOntoItselfNothing) {
  {
    PlacementRun run;
    run.Write("Src\\a.txt", "a");
    run.Write("Src\\Deep\\b.txt", "b");
    TreeTransfer transfer(run.app, run.overwrite);
    transfer.CopyTree(run.Path("Src\\"), run.Path("SRC\\Deep\\..\\Copy\\"));
    EXPECT_EQ(run.Names("Src\\Copy"), (std::vector<std::string>{"a.txt", "Deep"}));
    EXPECT_FALSE(transfer.Failed());
  }
  PlacementRun run;
  run.Write("Src\\a.txt", "a");
  run.Write("Src\\Deep\\b.txt", "b");
  test::FolderLink linked(run.t.drive, "Linked", "Src");
  std::vector<std::string> selves = {run.Path("src\\"), run.Path("Src\\Deep\\..\\")};
  if (const auto alias = run.t.drive.aliasDrive("Src")) selves.push_back(*alias);
  if (linked.made()) selves.push_back(run.Path("Linked\\"));
  for (const std::string& self : selves) {
    for (const bool move : {false, true}) {
      SCOPED_TRACE(self + (move ? " (move)" : ""));
      TreeTransfer transfer(run.app, run.overwrite);
      move ? transfer.MoveTree(run.Path("Src\\"), self) : transfer.CopyTree(run.Path("Src\\"), self);
      EXPECT_EQ(run.Read("Src\\a.txt") + "|" + run.Read("Src\\Deep\\b.txt"), "a|b");
      EXPECT_EQ(run.Names("Src"), (std::vector<std::string>{"a.txt", "Deep"}));
      EXPECT_EQ(transfer.LastAnswer(), owNotAsked);
      EXPECT_FALSE(transfer.Failed());
    }
  }
}

}  // namespace
}  // namespace velmar
