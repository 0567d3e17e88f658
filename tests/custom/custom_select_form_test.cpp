// The choice among several custom installs: which lines each language
// shows, and that a line without a project cannot be chosen.

#include <gtest/gtest.h>

#include "custom/custom_select_form.h"
#include "install/page_run.h"
#include "support/zip_writer.h"

namespace velmar {
namespace {

using ui::script::Script;

// Plant: a project in an archive, English and German lines. Spare: no project,
// a German line only. Odd: not a BRENTA install. Gone: its folder is missing.
void WriteInstalls(test::InstallerTestContext& t) {
  t.session.MediumRoot = t.drive.path("Medium\\");
  t.session.CustomInstallList = {"Plant", "Spare", "Odd", "Gone"};
  t.drive.writeFile("Medium\\Custom\\Custom.ini",
                    "[CustomInstalls]\r\n1=Plant\r\n2=Spare\r\n3=Odd\r\n4=Gone\r\n"
                    "[Plant]\r\nType=Brenta\r\nFolder=Plant\r\nSelect44=Plant line\r\nSelect49=Anlage\r\nTitle48=Instalacja\r\n"
                    "ProjectName=Line 1\r\nCustomerName=\r\nShortcutName=Line link\r\n"
                    "[Spare]\r\nType=BRENTA\r\nFolder=Spare\r\nSelect49=Ersatz\r\n"
                    "[Odd]\r\nType=Other\r\nFolder=Plant\r\nSelect44=Odd line\r\nSelect49=Anders\r\n"
                    "[Gone]\r\nType=BRENTA\r\nFolder=Gone\r\nSelect44=Gone line\r\nSelect49=Fort\r\n");
  t.drive.writeFile("Medium\\Custom\\Plant\\Plant.zip", test::BuildZip({{"Plant/Line1.VPR", "[Project]\r\n"}}));
  t.drive.writeFile("Medium\\Custom\\Spare\\Readme.txt", "later");
}

TEST(TCustomSelectForm, ListsTheLinesOfTheUsersLanguageAndTakesOnlyOneWithAProject) {
  struct Case {
    int language;
    std::vector<std::string> select;  // lines selected in turn; Next after the last
    const char* listed;               // the list as first shown
    PageResult result;
  } cases[] = {
      {1, {"Plant line"}, "  CustomLB: list box\n    * Plant line\n", prNext},
      {3, {}, "  CustomLB: list box\n    * Plant line\n", prCancel},
      {0, {"Ersatz"}, "  CustomLB: list box\n    * Anlage\n    - Ersatz (maroon)\n", prCancel},
      {2, {}, "  CustomLB: list box, empty\n", prCancel},
  };
  for (const Case& c : cases) {
    Script script;
    script.Page("TCustomSelectForm");
    for (const std::string& line : c.select) script.Select("CustomLB", line);
    script.Click(c.result == prNext ? "NextBtn" : "CancelBtn");
    test::PageRun<TCustomSelectForm> run(script);
    WriteInstalls(run.t);
    run.t.session.LanguageIndex = c.language;
    run.t.session.Project = "Before";
    run.t.session.Customer = "Kept?";
    EXPECT_EQ(run.Show([](TCustomSelectForm& page) { return page.Execute(); }), c.result) << c.language;
    EXPECT_TRUE(test::Contains(run.Opened(), c.listed)) << run.Opened();
    if (c.language == 0) {  // the line without a project, selected
      EXPECT_TRUE(test::Contains(run.Transcript(), "NextBtn: button \"_Ok\", disabled\n  CustomLB: list box\n"
                                                   "    - Anlage\n    * Ersatz (red)\n"))
          << run.Transcript();
    }
    if (c.result != prNext) continue;
    const InstallSession& s = run.t.session;
    EXPECT_EQ(s.Custom.FolderPath, run.t.drive.path("Medium\\Custom\\Plant\\"));
    EXPECT_EQ(s.Custom.Title48, "Instalacja");  // the Polish caption of F3 too
    EXPECT_EQ(s.Project, "Line 1");
    EXPECT_EQ(s.Customer, "");  // read as it stands, empty too
    EXPECT_EQ(s.LinkName, "Line link");
  }
}

}  // namespace
}  // namespace velmar
