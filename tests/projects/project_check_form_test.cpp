#include "projects/project_check_form.h"

#include <gtest/gtest.h>

#include "install/page_run.h"

namespace velmar {
namespace {

using test::ControlLine;
using ui::script::Script;

TEST(TProjectCheckForm, ProposesTheFolderAndNameAndNamesTheFirstProblem) {
  test::PageRun<TProjectCheckForm> run(Script()
                                           .Page("TProjectCheckForm")
                                           .Type("FolderEdit", "C:\\VelProj\\")
                                           .Type("LinkNameEdit", "")
                                           .Type("FolderEdit", " C:\\Plants\\Line1\\ ")
                                           .Type("LinkNameEdit", " Main line ")
                                           .Click("NextBtn"));
  run.t.session.ProjectsPath = "C:\\VelProj";
  ProjectRequest request{"Line1\\Main.VPR", "D:\\Projects\\Plant\\Plant.zip", "Two lines", "", ""};
  EXPECT_EQ(run.Show([&](TProjectCheckForm& page) { return page.Execute(2, request); }), prNext);
  const std::string opened = run.Opened();
  EXPECT_EQ(ControlLine(opened, "ZipFileLbl"), "ZipFileLbl: label \"D:\\Projects\\Plant\\Plant.zip\"");
  EXPECT_EQ(ControlLine(opened, "ZipCommentLbl"), "ZipCommentLbl: label \"Two lines\"");
  EXPECT_EQ(ControlLine(opened, "FolderEdit"), "FolderEdit: edit \"C:\\VelProj\\Line1\"");
  EXPECT_EQ(ControlLine(opened, "LinkNameEdit"), "LinkNameEdit: edit \"Line1 - Main\"");
  EXPECT_EQ(ControlLine(opened, "PrevBtn"), "PrevBtn: button \"_Prev\"");
  const std::string& text = run.Transcript();
  EXPECT_TRUE(test::Contains(text, "  StatBar: status line \"Sub-folder required under projects folder\"\n"));
  EXPECT_TRUE(test::Contains(text, "  StatBar: status line \"Invalid shortcut name\"\n"));
  // Next follows each change; leaving the folder trims it and drops its backslash.
  EXPECT_TRUE(test::Contains(text, "> type LinkNameEdit \" Main line \"\n  NextBtn: button \"_Next\"\n"));
  EXPECT_TRUE(test::Contains(text, "  FolderEdit: edit \"C:\\Plants\\Line1\"\n"));
  EXPECT_EQ(request.TargetFolder, "C:\\Plants\\Line1\\");
  EXPECT_EQ(request.ShortcutName, "Main line");
}

TEST(TProjectCheckForm, APlainFileHidesTheArchiveLinesAndAnyCloseGivesBackTheValues) {
  test::PageRun<TProjectCheckForm> run(
      Script().Page("TProjectCheckForm").Type("FolderEdit", "C:").Click("PrevBtn"));
  run.t.session.ProjectsPath = "C:\\VelProj";
  ProjectRequest request{"D:\\Projects\\Site\\Site.vpr", "", "", "", ""};
  EXPECT_EQ(run.Show([&](TProjectCheckForm& page) { return page.Execute(2, request); }), prPrev);
  const std::string opened = run.Opened();
  for (const char* hidden : {"ZipLbl", "ZipFileLbl", "CommentLbl", "ZipCommentLbl"})
    EXPECT_EQ(ControlLine(opened, hidden), "") << hidden;
  EXPECT_EQ(ControlLine(opened, "VprFileLbl"), "VprFileLbl: label \"D:\\Projects\\Site\\Site.vpr\"");
  // No trailing backslash for a folder no longer than a drive.
  EXPECT_EQ(request.TargetFolder, "C:");
  EXPECT_EQ(request.ShortcutName, "Site");
}

}  // namespace
}  // namespace velmar
