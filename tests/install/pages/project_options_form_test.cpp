#include "install/pages/project_options_form.h"

#include <vector>

#include <gtest/gtest.h>

#include "install/page_run.h"

namespace velmar {
namespace {

using test::Contains;
using test::ControlLine;
using ui::script::Outcome;
using ui::script::Script;
using OptionsRun = test::PageRun<TProjectOptionsForm>;

PageResult Product(TProjectOptionsForm& page) { return page.Execute(0, {.OfferNewProject = true}); }
PageResult Custom(TProjectOptionsForm& page) { return page.Execute(0, {.CustomMode = true}); }

// A complete project, as a page left with Next stores it.
void SetProject(InstallSession& s) {
  s.ProjectsPath = "C:\\VelProj";
  s.MakeProject = true;
  s.Project = "Plant 1";
  s.Customer = "ACME";
  s.ProjectFile = "C:\\VelProj\\Plant1\\Plant1.vpr";
  s.LinkName = "Plant 1 link";
}

TEST(ProjectFolderFor, KeepsTheProjectInsideTheProjectsFolder) {
  struct Case {
    const char *typed, *project, *expected;
  } cases[] = {
      {"D:\\Data\\Plant1\\", "Line 4", "C:\\VelProj\\Plant1"},  // elsewhere: its last name
      {"C:\\VelProj", "Line 4", "C:\\VelProj\\VelProj"},        // the projects folder without its backslash
      {"C:\\VelProjects\\A", "", "C:\\VelProj\\A"},
      {"", "Line 4", "C:\\VelProj\\Line 4"},
      {"", "", "C:\\VelProj\\Project"},
      {"c:\\velproj\\Plant1", "", "c:\\velproj\\Plant1"},  // inside: kept as typed
      // Nothing leads out: a drive alone, dots, a project named like a path.
      {"D:\\", "Line 4", "C:\\VelProj\\Project"},
      {"C:\\VelProj\\A/../../Windows", "", "C:\\VelProj\\Windows"},
      {"", "..\\Windows", "C:\\VelProj\\Project"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ProjectFolderFor(c.typed, "C:\\VelProj", c.project, "Project"), c.expected) << c.typed;
  EXPECT_EQ(ProjectFolderFor("d:\\projekty łódź\\A", "D:\\Projekty ŁÓDŹ\\", "", "Projekt"), "d:\\projekty łódź\\A");
}

TEST(TProjectOptionsForm, UncheckedNothingCanBeTypedAndNextLeavesWithoutAProject) {
  OptionsRun run(Script().Page("TProjectOptionsForm").Check("MakeProjCB").Type("PrjNameEdit", "Line 4").Uncheck("MakeProjCB").Click("NextBtn"));
  EXPECT_EQ(run.Show(Product), prNext);
  for (const char* control : {"PrjNameEdit", "CustNameEdit", "VprPathEdit", "VprNameEdit", "LinkNameEdit", "DefProjCB"})
    EXPECT_TRUE(ControlLine(run.Opened(), control).ends_with(", disabled")) << control;
  EXPECT_EQ(ControlLine(run.Opened(), "VPathBtn"), "");
  EXPECT_FALSE(run.t.session.MakeProject);
  // No name: the folder alone, never a file called ".vpr".
  EXPECT_EQ(run.t.session.ProjectFile, "C:\\VelProj\\Line 4\\");
}

TEST(TProjectOptionsForm, NextStaysOnTheFirstMissingEntryWithTheFocusInIt) {
  struct Case {
    std::vector<const char*> blanked;
    std::string message;
  } cases[] = {
      {{"PrjNameEdit", "CustNameEdit"}, "Project name undefined !"},
      {{"VprNameEdit"}, "Project file name not defined"},
  };
  for (const Case& c : cases) {
    Script script = Script().Page("TProjectOptionsForm");
    for (const char* edit : c.blanked) script.Type(edit, "  ");
    OptionsRun run(script.Click("NextBtn").Key(ui::Key::Enter).Click("CancelBtn"));
    SetProject(run.t.session);
    EXPECT_EQ(run.Show(Product), prCancel);
    EXPECT_TRUE(Contains(run.Transcript(), "> click NextBtn\n  StatBar: status line \"ERROR: " + c.message + "\"\n"));
    EXPECT_EQ(run.t.session.Project, "Plant 1");  // Cancel stored nothing
  }
}

// A file or shortcut name that would lead out of its folder (a path, a
// drive, dots, a device, a forbidden character) keeps the page, in both
// modes, with nothing stored; the shortcut name may come preset, so that the
// user only presses Next.
TEST(TProjectOptionsForm, NamesThatLeadOutOfTheirFolderKeepThePage) {
  struct Case {
    const char* edit;
    const char* name;
    const char* message;
  } cases[] = {
      {"VprNameEdit", "..\\..\\Windows\\Evil", "Invalid name"},
      {"VprNameEdit", "com1", "Invalid name"},
      {"LinkNameEdit", "D:\\Evil", "Invalid shortcut name"},
      {"LinkNameEdit", "Plant|1", "Invalid shortcut name"},
  };
  for (const Case& c : cases) {
    // The file name is typed (and is disabled in custom mode); the shortcut name comes preset.
    const bool typed = std::string(c.edit) == "VprNameEdit";
    for (const bool custom : {false, true}) {
      if (custom && typed) continue;
      SCOPED_TRACE(std::string(c.name) + (custom ? " (custom)" : ""));
      Script script = Script().Page("TProjectOptionsForm");
      if (typed) script.Type(c.edit, c.name);
      OptionsRun run(script.Click("NextBtn").Click("CancelBtn"));
      SetProject(run.t.session);
      if (!typed) run.t.session.LinkName = c.name;
      EXPECT_EQ(run.Show(custom ? Custom : Product), prCancel);
      EXPECT_TRUE(Contains(run.Transcript(), "> click NextBtn\n  StatBar: status line \"ERROR: " + std::string(c.message)));
      EXPECT_EQ(run.t.session.ProjectFile.find("Windows"), std::string::npos);
    }
  }
}

TEST(TProjectOptionsForm, CustomModeMakesTheProjectAndNamesItsFileAfterIt) {
  OptionsRun run(Script().Page("TProjectOptionsForm").Type("PrjNameEdit", "").Click("NextBtn").Type("PrjNameEdit", "Mill 2").Click("NextBtn"));
  InstallSession& s = run.t.session;
  SetProject(s);
  s.LinkName = "";
  s.ProjectFile = "C:\\VelProj\\Custom\\";
  s.MakeProject = false;
  EXPECT_EQ(run.Show(Custom), prNext);
  EXPECT_TRUE(ControlLine(run.Opened(), "VprNameEdit").ends_with(", disabled"));
  // The refused Next left the file name empty; the one that passed named it
  // after the project as it was then.
  EXPECT_TRUE(Contains(run.Transcript(), "> click NextBtn\n  StatBar: status line \"ERROR: Project name undefined !\"\n>"));
  EXPECT_TRUE(s.MakeProject);
  EXPECT_EQ(s.ProjectFile, "C:\\VelProj\\Custom\\Mill 2.vpr");
  EXPECT_EQ(s.LinkName, "Plant 1");
}

}  // namespace
}  // namespace velmar
