#include "services/wizard/wizard_page.h"

#include <gtest/gtest.h>

#include "base/path_utils.h"
#include "install/page_run.h"
#include "text/texts.h"

namespace velmar {
namespace {

using ui::script::Script;

// A page as the flows write them: a required folder with a browse button,
// stored by Next and Prev.
class TPathForm : public WizardPage {
 public:
  explicit TPathForm(InstallerContext& app) : WizardPage(app, "TPathForm") {
    AddFolderField(PathEdit, PathBtn, text::VelmarFolder, {text::FolderNotDefined, true});
  }
  PageResult Execute(int step) { return Run(step, false); }

  ui::Label PathLbl{*this, "PathLbl"};
  ui::Edit PathEdit{*this, "PathEdit"};
  ui::Button PathBtn{*this, "PathBtn"};

 private:
  void SetTexts() override { PathLbl.Caption = Text(text::VelmarFolder); }
  void LoadFields() override { PathEdit.Text = WithoutBackslash(Session().VelmarPath); }
  void StoreFields() override { Session().VelmarPath = PathEdit.Text; }
};

using PageRun = test::PageRun<TPathForm>;
PageResult FirstStep(TPathForm& page) { return page.Execute(0); }

TEST(WizardPage, BrowseStartsOnTheFolderWithoutItsBackslashAndCopiesTheChoice) {
  PageRun run(Script().Page("TPathForm").Type("PathEdit", "").Click("PathBtn").CancelBrowse()
                  .Type("PathEdit", "T:\\Old\\\\").Click("PathBtn").Browse("T:\\New folder").Click("NextBtn"));
  EXPECT_EQ(run.Show(FirstStep), prNext);
  const std::string& text = run.Transcript();
  EXPECT_TRUE(test::Contains(text, "folder browser \"Velmar EXE folder\", start \"\"\n> browse cancel\n"
                                   "  NextBtn: button \"_Next\", disabled\n  StatBar: status line \"ERROR: Folder not defined\"\n"));
  EXPECT_TRUE(test::Contains(text, "folder browser \"Velmar EXE folder\", start \"T:\\Old\\\"\n"));
  EXPECT_EQ(run.t.session.VelmarPath, "T:\\New folder");
  EXPECT_EQ(run.page.Browser.RootFolder, foMyComputer);
}

TEST(TrimBlanks, RemovesBlanksAndControlCharactersAtBothEnds) {
  for (const auto& [raw, trimmed] : {std::pair{" \t C:\\My Folder \r\n", "C:\\My Folder"}, {"   ", ""}, {"Zürich ", "Zürich"}})
    EXPECT_EQ(TrimBlanks(raw), trimmed) << raw;
}

}  // namespace
}  // namespace velmar
