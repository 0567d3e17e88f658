#include "install/project_options_form.h"

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

auto Product(int step = 0, bool finish = false) {
  return [=](TProjectOptionsForm& page) { return page.Execute(step, finish, true, false); };
}
auto Custom() {
  return [](TProjectOptionsForm& page) { return page.Execute(0, false, false, true); };
}

// A session with a complete project, as a page left with Next stores it.
void SetProject(InstallSession& s) {
  s.ProjectsPath = "C:\\VelProj";
  s.MakeProject = true;
  s.Project = "Plant 1";
  s.Customer = "ACME";
  s.ProjectFile = "C:\\VelProj\\Plant1\\Plant1.vpr";
  s.LinkName = "Plant 1 link";
  s.DefaultProject = true;
}

TEST(ProjectFolderFor, KeepsTheProjectInsideTheProjectsFolder) {
  struct Case {
    const char* typed;
    const char* project;
    const char* expected;
  } cases[] = {
      {"D:\\Data\\Plant1", "Line 4", "C:\\VelProj\\Plant1"},    // elsewhere: its last name
      {"D:\\Data\\Plant1\\", "Line 4", "C:\\VelProj\\Plant1"},  // ... one backslash removed first
      {"Plant1", "Line 4", "C:\\VelProj\\Plant1"},
      {"C:\\VelProj", "Line 4", "C:\\VelProj\\VelProj"},  // the projects folder without its backslash
      {"C:\\VelProjects\\A", "", "C:\\VelProj\\A"},       // a longer name is not inside
      {"", "Line 4", "C:\\VelProj\\Line 4"},
      {"", "", "C:\\VelProj\\Project"},
      {"c:\\velproj\\Plant1", "", "c:\\velproj\\Plant1"},  // inside: kept as typed
      {"C:\\VelProj\\", "", "C:\\VelProj\\"},
      {"C:\\VelProj\\A\\B", "", "C:\\VelProj\\A\\B"},
      // Nothing leads out: a drive alone, dots, a project named like a path.
      {"D:\\", "Line 4", "C:\\VelProj\\Project"},
      {"D:", "Line 4", "C:\\VelProj\\Project"},
      {"D:Plant1", "", "C:\\VelProj\\Plant1"},
      {"D:\\..", "", "C:\\VelProj\\Project"},
      {"C:\\VelProj\\..\\Windows", "", "C:\\VelProj\\Windows"},
      {"C:\\VelProj\\A/../../Windows", "", "C:\\VelProj\\Windows"},
      {"", "..\\Windows", "C:\\VelProj\\Project"},
      {"", "C:\\Windows", "C:\\VelProj\\Project"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ProjectFolderFor(c.typed, "C:\\VelProj", c.project, "Project"), c.expected) << c.typed;
  // Letters beyond ASCII compare without case as well.
  EXPECT_EQ(ProjectFolderFor("d:\\projekty łódź\\A", "D:\\Projekty ŁÓDŹ\\", "", "Projekt"), "d:\\projekty łódź\\A");
}

TEST(TProjectOptionsForm, UncheckedNothingCanBeTypedAndNextLeavesWithoutAProject) {
  OptionsRun run(Script()
                     .Page("TProjectOptionsForm")
                     .Check("MakeProjCB")
                     .Type("PrjNameEdit", "Line 4")
                     .Uncheck("MakeProjCB")
                     .Click("NextBtn"));
  run.t.session.ProjectsPath = "C:\\VelProj";
  EXPECT_EQ(run.Show(Product()), prNext);
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
  const std::string opened = run.Opened();
  for (const char* control : {"PrjNameEdit", "CustNameEdit", "VprPathEdit", "VprNameEdit", "LinkNameEdit", "DefProjCB"})
    EXPECT_TRUE(ControlLine(opened, control).ends_with(", disabled")) << control;
  EXPECT_EQ(ControlLine(opened, "VPathBtn"), "");
  EXPECT_TRUE(Contains(run.Transcript(), "> check MakeProjCB\n  MakeProjCB: check box [x] \"Create a new user project\"\n"
                                         "  PrjNameEdit: edit \"\"\n"));
  EXPECT_TRUE(Contains(run.Transcript(), "  VPathBtn: button \"\"\n"));
  EXPECT_TRUE(Contains(run.Transcript(), "  VPathBtn: hidden\n"));
  EXPECT_FALSE(run.t.session.MakeProject);
  EXPECT_EQ(run.t.session.Project, "Line 4");
  EXPECT_EQ(run.t.session.Customer, "");
  // No name: the folder alone, never a file called ".vpr".
  EXPECT_EQ(run.t.session.ProjectFile, "C:\\VelProj\\Line 4\\");
}

TEST(TProjectOptionsForm, OpensOnTheSessionsProjectAndCancelKeepsIt) {
  OptionsRun run(Script()
                     .Page("TProjectOptionsForm")
                     .Type("PrjNameEdit", "Other")
                     .Type("VprPathEdit", "D:\\Elsewhere")
                     .Uncheck("DefProjCB")
                     .Click("CancelBtn"));
  SetProject(run.t.session);
  EXPECT_EQ(run.Show(Product(1, true)), prCancel);
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
  const std::string opened = run.Opened();
  EXPECT_EQ(ControlLine(opened, "PrevBtn"), "PrevBtn: button \"_Prev\"");
  EXPECT_EQ(ControlLine(opened, "NextBtn"), "NextBtn: button \"_Finish\"");
  EXPECT_EQ(ControlLine(opened, "MakeProjCB"), "MakeProjCB: check box [x] \"Create a new user project\"");
  EXPECT_EQ(ControlLine(opened, "PrjNameEdit"), "PrjNameEdit: edit \"Plant 1\"");
  EXPECT_EQ(ControlLine(opened, "VprPathEdit"), "VprPathEdit: edit \"C:\\VelProj\\Plant1\"");
  EXPECT_EQ(ControlLine(opened, "VprNameEdit"), "VprNameEdit: edit \"Plant1\"");
  EXPECT_EQ(ControlLine(opened, "LinkNameEdit"), "LinkNameEdit: edit \"Plant 1 link\"");
  EXPECT_EQ(ControlLine(opened, "DefProjCB"), "DefProjCB: check box [x] \"Make this the default project\"");
  InstallSession unchanged;
  SetProject(unchanged);
  EXPECT_EQ(run.t.session.Project, unchanged.Project);
  EXPECT_EQ(run.t.session.ProjectFile, unchanged.ProjectFile);
  EXPECT_TRUE(run.t.session.DefaultProject);
}

TEST(TProjectOptionsForm, NextStaysOnTheFirstMissingEntryWithTheFocusInIt) {
  struct Case {
    std::vector<const char*> blanked;
    const char* message;
  } cases[] = {
      {{"PrjNameEdit", "CustNameEdit"}, "Project name undefined !"},
      {{"CustNameEdit", "LinkNameEdit"}, "Customer name undefined !"},
      {{"LinkNameEdit", "VprNameEdit"}, "Project shortcut name undefined !"},
      {{"VprNameEdit"}, "Project file name not defined"},
  };
  for (const Case& c : cases) {
    Script script;
    script.Page("TProjectOptionsForm");
    for (const char* edit : c.blanked) script.Type(edit, "  ");
    // Enter in the edit that has the focus names what it misses, without "ERROR:".
    script.Click("NextBtn").Key(ui::Key::Enter).Click("CancelBtn");
    OptionsRun run(script);
    SetProject(run.t.session);
    EXPECT_EQ(run.Show(Product()), prCancel);
    EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
    const std::string message = c.message;
    EXPECT_TRUE(Contains(run.Transcript(), "> click NextBtn\n  StatBar: status line \"ERROR: " + message + "\"\n"));
    EXPECT_TRUE(Contains(run.Transcript(), "> key Enter\n  StatBar: status line \"" + message + "\"\n"));
    EXPECT_EQ(run.t.session.Project, "Plant 1");
  }
}

TEST(TProjectOptionsForm, NextStoresTrimmedEntriesAndPrevStoresUnchecked) {
  OptionsRun run(Script()
                     .Page("TProjectOptionsForm")
                     .Type("PrjNameEdit", " Line 4 ")
                     .Type("VprPathEdit", " ")
                     .Type("VprNameEdit", " Line4 ")
                     .Key(ui::Key::Enter)
                     .Key(ui::Key::Enter)
                     .Key(ui::Key::Enter)
                     .Page("TProjectOptionsForm")
                     .Type("CustNameEdit", "")
                     .Type("VprPathEdit", "D:\\Data\\Mill\\")
                     .Type("VprNameEdit", "")
                     .Click("PrevBtn")
                     .Page("TProjectOptionsForm")
                     .Click("CancelBtn"));
  SetProject(run.t.session);
  run.t.session.DefaultProject = false;
  std::vector<std::string> stored;
  EXPECT_EQ(run.Show([&](TProjectOptionsForm& page) {
    PageResult result = prNone;
    for (int i = 0; i < 3; ++i) {
      result = page.Execute(1, false, true, false);
      stored.push_back(run.t.session.Project + "|" + run.t.session.Customer + "|" + run.t.session.ProjectFile);
    }
    return result;
  }),
            prCancel);
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
  // Enter went from the file name to the shortcut name and on to Next, which left.
  EXPECT_EQ(stored, (std::vector<std::string>{"Line 4|ACME|C:\\VelProj\\Line 4\\Line4.vpr",
                                              "Line 4||C:\\VelProj\\Mill\\", "Line 4||C:\\VelProj\\Mill\\"}));
  // Shown again, the page holds what Prev stored.
  const std::string third = test::PageBlock(run.Transcript(), "TProjectOptionsForm", 2);
  EXPECT_EQ(ControlLine(third, "VprPathEdit"), "VprPathEdit: edit \"C:\\VelProj\\Mill\"");
  EXPECT_EQ(ControlLine(third, "VprNameEdit"), "VprNameEdit: edit \"\"");
  EXPECT_TRUE(run.t.session.MakeProject);
  EXPECT_FALSE(run.t.session.DefaultProject);
}

TEST(TProjectOptionsForm, CustomModeMakesTheProjectAndNamesItsFileAfterIt) {
  OptionsRun run(Script()
                     .Page("TProjectOptionsForm")
                     .Type("PrjNameEdit", "")
                     .Click("NextBtn")
                     .Type("PrjNameEdit", "Mill 2")
                     .Click("NextBtn"));
  InstallSession& s = run.t.session;
  s.ProjectsPath = "C:\\VelProj";
  s.Project = "Line 4";
  s.Customer = "ACME";
  s.LinkName = "";
  s.ProjectFile = "C:\\VelProj\\Custom\\";
  s.MakeProject = false;
  EXPECT_EQ(run.Show(Custom()), prNext);
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
  const std::string opened = run.Opened();
  EXPECT_EQ(ControlLine(opened, "MakeProjCB"), "");
  EXPECT_EQ(ControlLine(opened, "DefProjCB"), "");
  EXPECT_EQ(ControlLine(opened, "VprNameEdit"), "VprNameEdit: edit \"\", disabled");
  EXPECT_EQ(ControlLine(opened, "VPathBtn"), "VPathBtn: button \"\"");
  EXPECT_EQ(ControlLine(opened, "LinkNameEdit"), "LinkNameEdit: edit \"Line 4\"");
  // The refused Next left the file name alone; the one that passed named it
  // after the project as it was then.
  EXPECT_TRUE(Contains(run.Transcript(), "> click NextBtn\n  StatBar: status line \"ERROR: Project name undefined !\"\n>"));
  EXPECT_EQ(run.page.VprNameEdit.Text, "Mill 2");
  EXPECT_TRUE(s.MakeProject);
  EXPECT_EQ(s.ProjectFile, "C:\\VelProj\\Custom\\Mill 2.vpr");
  EXPECT_EQ(s.LinkName, "Line 4");
}

TEST(TProjectOptionsForm, BrowseStartsOnTheTypedFolderAndAClosedPageCancels) {
  OptionsRun run(Script()
                     .Page("TProjectOptionsForm")
                     .Type("VprPathEdit", "C:\\VelProj\\Plant1\\")
                     .Click("VPathBtn")
                     .Browse("C:\\VelProj\\Plant 9")
                     .Click("NextBtn"));
  SetProject(run.t.session);
  EXPECT_EQ(run.Show(Product()), prNext);
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
  EXPECT_TRUE(Contains(run.Transcript(),
                       "folder browser \"Folder for your project data files\", start \"C:\\VelProj\\Plant1\"\n"));
  EXPECT_EQ(run.t.session.ProjectFile, "C:\\VelProj\\Plant 9\\Plant1.vpr");

  test::ClosingHost closing;
  test::InstallerTestContext t(closing);
  TProjectOptionsForm page(t.app);
  SetProject(t.session);
  EXPECT_EQ(page.Execute(0, false, true, false), prCancel);
}

}  // namespace
}  // namespace velmar
