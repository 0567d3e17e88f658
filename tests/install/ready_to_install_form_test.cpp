#include "install/pages/ready_to_install_form.h"

#include <gtest/gtest.h>

#include "install/page_run.h"

namespace velmar {
namespace {

using test::ControlLine;
using ui::script::Script;

TEST(TReadyToInstallForm, NamesTheChosenOrNewestReleaseAndItsFolder) {
  struct Case {
    bool withReleases;
    int selected;
    const char* button;
    PageResult result;
    std::string ready;
    int selectedAfter;
  } cases[] = {
      // The newest release is the last by name: 3410 after 12000.
      {true, 0, "NextBtn", prInstall, "Ready to install Velmar Release 3.04.010", 3410},
      {true, 3205, "PrevBtn", prPrev, "Ready to install Velmar Release 3.02.005", 3205},
      {false, 0, "CancelBtn", prCancel, "Ready to install Velmar Release", 0},
  };
  for (const Case& c : cases) {
    test::PageRun<TReadyToInstallForm> run(Script().Page("TReadyToInstallForm").Click(c.button));
    InstallSession& s = run.t.session;
    if (c.withReleases) s.ProductArchiveList = {{"D:\\VELMAR\\VELMAR3410.ZIP", 3410}, {"D:\\VELMAR\\VELMAR12000.ZIP", 12000}};
    s.SelectedVersion = c.selected;
    s.VelmarPath = "C:\\Programs & Tools\\Velmar";
    EXPECT_EQ(run.Show([](TReadyToInstallForm& page) { return page.Execute(); }), c.result) << c.ready;
    EXPECT_EQ(ControlLine(run.Opened(), "ReadyLbl"), "ReadyLbl: label \"" + c.ready + "\"");
    EXPECT_EQ(ControlLine(run.Opened(), "FldrLbl"), "FldrLbl: label \"Into folder : C:\\Programs & Tools\\Velmar\"");
    EXPECT_EQ(ControlLine(run.Opened(), "PrevBtn"), "PrevBtn: button \"_Prev\"");
    EXPECT_EQ(ControlLine(run.Opened(), "NextBtn"), "NextBtn: button \"_Finish\"");
    EXPECT_EQ(s.SelectedVersion, c.selectedAfter);
  }
}

}  // namespace
}  // namespace velmar
