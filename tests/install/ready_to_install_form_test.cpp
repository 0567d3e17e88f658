#include "install/ready_to_install_form.h"

#include <map>

#include <gtest/gtest.h>

#include "install/page_run.h"

namespace velmar {
namespace {

using test::ControlLine;
using ui::script::Outcome;
using ui::script::Script;

TEST(TReadyToInstallForm, NamesTheChosenOrNewestReleaseAndItsFolder) {
  // The newest release is the last by name: 3410 after 12000.
  const std::map<std::string, int, CaseInsensitiveLess> releases{{"D:\\VELMAR\\VELMAR3410.ZIP", 3410},
                                                                  {"D:\\VELMAR\\VELMAR12000.ZIP", 12000}};
  struct Case {
    bool withReleases;
    int selected;
    const char* button;
    PageResult result;
    const char* ready;
    int selectedAfter;
  } cases[] = {
      {true, 0, "NextBtn", prInstall, "Ready to install Velmar Release 3.04.010", 3410},
      {true, 3205, "PrevBtn", prPrev, "Ready to install Velmar Release 3.02.005", 3205},
      {false, 0, "CancelBtn", prCancel, "Ready to install Velmar Release", 0},
  };
  for (const Case& c : cases) {
    test::PageRun<TReadyToInstallForm> run(Script().Page("TReadyToInstallForm").Click(c.button));
    InstallSession& s = run.t.session;
    if (c.withReleases) s.ProductArchiveList = releases;
    s.SelectedVersion = c.selected;
    s.VelmarPath = "C:\\Programs & Tools\\Velmar";
    EXPECT_EQ(run.Show([](TReadyToInstallForm& page) { return page.Execute(); }), c.result) << c.ready;
    EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
    const std::string opened = run.Opened();
    EXPECT_EQ(ControlLine(opened, "ReadyLbl"), std::string("ReadyLbl: label \"") + c.ready + "\"");
    EXPECT_EQ(ControlLine(opened, "FldrLbl"), "FldrLbl: label \"Into folder : C:\\Programs & Tools\\Velmar\"");
    EXPECT_EQ(ControlLine(opened, "PrevBtn"), "PrevBtn: button \"_Prev\"");
    EXPECT_EQ(ControlLine(opened, "NextBtn"), "NextBtn: button \"_Finish\"");
    EXPECT_EQ(s.SelectedVersion, c.selectedAfter);
  }

  test::ClosingHost closing;
  test::InstallerTestContext t(closing);
  TReadyToInstallForm page(t.app);
  EXPECT_EQ(page.Execute(), prNone);
}

}  // namespace
}  // namespace velmar
