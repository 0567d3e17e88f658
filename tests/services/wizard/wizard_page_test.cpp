#include "services/wizard/wizard_page.h"

#include <gtest/gtest.h>

#include "base/path_utils.h"
#include "text/texts.h"
#include "support/fixture/installer_fixture.h"
#include "support/fixture/installer_test_context.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Outcome;
using ui::script::Script;
using ui::script::ScriptHost;

// A page as the flows write them: a required folder with a browse button and
// a free name, both stored by Next and Prev.
class TPathForm : public WizardPage {
 public:
  explicit TPathForm(InstallerContext& app) : WizardPage(app, "TPathForm") {
    AddFolderField(PathEdit, PathBtn, text::VelmarFolder, {text::FolderNotDefined, true});
    AddField(NameEdit, {text::ProjectNameUndefined, false});
  }
  PageResult Execute(int step) { return Run(step, false); }

  ui::Label PathLbl{*this, "PathLbl"};
  ui::Edit PathEdit{*this, "PathEdit"};
  ui::Button PathBtn{*this, "PathBtn"};
  ui::Edit NameEdit{*this, "NameEdit"};

 private:
  void SetTexts() override { PathLbl.Caption = Text(text::VelmarFolder); }
  void LoadFields() override {
    PathEdit.Text = WithoutBackslash(Session().VelmarPath);
    NameEdit.Text = Session().Project;
  }
  void StoreFields() override {
    Session().VelmarPath = PathEdit.Text;
    Session().Project = NameEdit.Text;
  }
};

struct PageRun {
  explicit PageRun(Script script) : host(std::move(script)) {}
  // Shows the page once; the script must end with it.
  PageResult Execute(int step) {
    PageResult result = prNone;
    outcome = host.Run([&] {
      result = page.Execute(step);
      return Outcome::Finished;
    });
    EXPECT_EQ(outcome, Outcome::Finished) << host.EndMessage();
    return result;
  }
  ScriptHost host;
  test::InstallerTestContext t{host};
  TPathForm page{t.app};
  Outcome outcome = Outcome::Failed;
};

TEST(WizardPage, OpensWithCaptionsTextsAndTheRequiredFieldsMessage) {
  PageRun run(Script().Page("TPathForm").Click("CancelBtn"));
  run.t.session.VelmarPath = "";
  run.t.session.Project = "Line 4";
  EXPECT_EQ(run.Execute(0), prCancel);
  const std::string page = test::PageBlock(run.host.TranscriptText(), "TPathForm");
  EXPECT_EQ(test::ControlLine(page, "PrevBtn"), "PrevBtn: button \"_Prev\", disabled");
  EXPECT_EQ(test::ControlLine(page, "NextBtn"), "NextBtn: button \"_Next\", disabled");
  EXPECT_EQ(test::ControlLine(page, "StatBar"), "StatBar: status line \"ERROR: Folder not defined\"");
  EXPECT_EQ(test::ControlLine(page, "NameEdit"), "NameEdit: edit \"Line 4\"");
}

TEST(WizardPage, BrowseStartsOnTheFolderWithoutItsBackslashAndCopiesTheChoice) {
  PageRun run(Script().Page("TPathForm").Type("PathEdit", "").Click("PathBtn").CancelBrowse()
                  .Type("PathEdit", "T:\\Old\\\\").Click("PathBtn").Browse("T:\\New folder").Click("NextBtn"));
  EXPECT_EQ(run.Execute(0), prNext);
  const std::string& text = run.host.TranscriptText();
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
