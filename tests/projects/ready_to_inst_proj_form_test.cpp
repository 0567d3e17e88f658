#include "projects/ready_to_inst_proj_form.h"

#include <gtest/gtest.h>

#include "base/path_utils.h"
#include "install/page_run.h"

namespace velmar {
namespace {

using test::ControlLine;
using ui::script::Script;

TEST(TReadyToInstProjForm, NamesTheProjectFileItsArchiveTheFolderAndTheShortcut) {
  struct Case {
    ProjectRequest request;
    const char* button;
    PageResult result;
    std::string project, zip;
  } cases[] = {
      {{"Line1\\Main.VPR", "D:\\Projects\\Plant.zip", "Two & more", "C:\\VelProj\\Line1\\", "Line1 - Main"},
       "NextBtn", prInstall, "Main", "ZipFileLbl: label \"D:\\Projects\\Plant.zip\""},
      {{"D:\\Projects\\Site\\Site.vpr", "", "", "C:\\VelProj\\Site\\", "Line1 - Main"}, "PrevBtn", prPrev, "Site", ""},
  };
  for (const Case& c : cases) {
    test::PageRun<TReadyToInstProjForm> run(Script().Page("TReadyToInstProjForm").Click(c.button));
    EXPECT_EQ(run.Show([&](TReadyToInstProjForm& page) { return page.Execute(6, c.request); }), c.result);
    const std::string opened = run.Opened();
    EXPECT_EQ(ControlLine(opened, "ProjectLbl"), "ProjectLbl: label \"" + c.project + "\"");
    EXPECT_EQ(ControlLine(opened, "ZipFileLbl"), c.zip);
    EXPECT_EQ(ControlLine(opened, "FolderLbl"), "FolderLbl: label \"Into folder : " +
                                                    WithoutBackslash(c.request.TargetFolder) + "\"");
    EXPECT_EQ(ControlLine(opened, "LinkLbl"), "LinkLbl: label \"Shortcut name = Line1 - Main\"");
    EXPECT_EQ(ControlLine(opened, "NextBtn"), "NextBtn: button \"_Finish\"");
  }
}

}  // namespace
}  // namespace velmar
