#include "install/pages/main_install_form.h"

#include <gtest/gtest.h>

#include "files/file_utils.h"
#include "install/page_run.h"
#include "ui/input.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Script;
using ui::script::ScriptHost;

// A drive letter no test machine maps.
constexpr const char* MissingDrive = "Q:\\";

struct FolderPageRun : test::PageRun<TMainInstallForm> {
  explicit FolderPageRun(Script script) : PageRun(std::move(script)) {
    t.session.VelmarPath = t.drive.path("Velmar\\");
    t.session.ProjectsPath = t.drive.path("Projects");
    t.session.LinkPath = t.drive.path("Links");
  }
  PageResult Execute() {
    return Show([](TMainInstallForm& form) { return form.Execute(0, {.ProductFolderOnly = false}); });
  }
};

TEST(FolderPage, NextOnlyWhileNoFolderIsBlankAndCancelCreatesNothing) {
  FolderPageRun run(Script().Page("TMainInstallForm").Type("ProjPathEdit", "  ").Type("LinkPathEdit", "")
                        .Type("ProjPathEdit", "P").Type("LinkPathEdit", "L").Click("CancelBtn"));
  EXPECT_EQ(run.Execute(), prCancel);
  // Leaving a blank folder disables Next without a message; leaving the last
  // blank one filled enables it again.
  const std::string& text = run.host.TranscriptText();
  EXPECT_TRUE(test::Contains(text, "> type LinkPathEdit \"\"\n  NextBtn: button \"_Next\", disabled\n"));
  EXPECT_TRUE(test::Contains(text, "> click CancelBtn\n  NextBtn: button \"_Next\"\n"));
  // Cancel neither validates nor creates.
  EXPECT_FALSE(FolderExists(run.t.drive.fs(), run.t.drive.path("Velmar")));
  EXPECT_EQ(run.t.session.LinkPath, run.t.drive.path("Links"));
}

// Shows each page by the next of the test's own actions on its model, so
// that a test can type paths of its drive and look between the steps.
class ActingHost : public ScriptHost {
 public:
  ActingHost() : ScriptHost(Script()) {}
  std::vector<std::function<void()>> acts;
  void ShowModal(ui::Page& page) override {
    page.BeginModal(ScreenSize());
    ASSERT_LT(shown_, acts.size());
    acts[shown_++]();
    page.EndModal();
  }

 private:
  size_t shown_ = 0;
};

TEST(FolderPage, EveryFolderIsCheckedTheLastFailureIsShownAndTheOthersAreCreated) {
  struct Case {
    std::string vel, proj, link;
    std::string status;
    const char* focused;
  };
  const std::string plant = "Plant\\", missing = std::string(MissingDrive) + "Velmar\\Links";
  // Longer than Windows makes a folder: refused before any of it is made.
  std::string deep = plant + "N";
  for (int i = 1; i < 3000; ++i) deep += "\\N";
  const Case cases[] = {
      {"", plant + "Projects", missing, "ERROR: Could not create folder", "LinkPathEdit"},
      {missing, "  ", plant + "Links", "ERROR: Folder not defined", "ProjPathEdit"},
      {missing, plant + "Projects", plant + "Links", "ERROR: Could not create folder", "VelPathEdit"},
      {plant + "Velmar", "Projects", plant + "Links", "ERROR: Invalid install folder", "ProjPathEdit"},
      {deep, plant + "Projects", plant + "Links", "ERROR: Invalid install folder", "VelPathEdit"},
  };
  for (const Case& c : cases) {
    ActingHost host;
    test::InstallerTestContext t(host);
    if (FolderExists(t.drive.fs(), MissingDrive)) GTEST_SKIP() << MissingDrive << " exists here";
    TMainInstallForm page(t.app);
    const InstallSession before = t.session;
    auto at = [&](const std::string& folder) { return folder.rfind(plant, 0) == 0 ? t.drive.path(folder) : folder; };
    host.acts = {[&] {
      ui::TypeText(page.VelPathEdit, at(c.vel));
      ui::TypeText(page.ProjPathEdit, at(c.proj));
      ui::TypeText(page.LinkPathEdit, at(c.link));
      page.SetFocus(page.PrevBtn);
      ui::ClickControl(page.PrevBtn);
      EXPECT_FALSE(page.Closing());
      EXPECT_EQ(page.StatBar.Text, c.status);
      EXPECT_EQ(page.Focused()->Name(), c.focused);
    }};
    EXPECT_EQ(page.Execute(1), prNone);
    // A folder that passed is created and stored; the others keep their values.
    for (auto [typed, field] : {std::pair{c.vel, &InstallSession::VelmarPath},
                                {c.proj, &InstallSession::ProjectsPath}, {c.link, &InstallSession::LinkPath}}) {
      const bool passed = typed.rfind(plant, 0) == 0 && typed != deep;
      EXPECT_EQ(t.session.*field, passed ? t.drive.path(typed) : before.*field) << typed;
      EXPECT_TRUE(!passed || FolderExists(t.drive.fs(), t.drive.path(typed))) << typed;
    }
    EXPECT_FALSE(FolderExists(t.drive.fs(), t.drive.path(plant + "N")));
  }
}

}  // namespace
}  // namespace velmar
