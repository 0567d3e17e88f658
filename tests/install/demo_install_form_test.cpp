#include "install/demo_install_form.h"

#include <gtest/gtest.h>

#include "install/page_run.h"

namespace velmar {
namespace {

using test::ControlLine;
using ui::script::Outcome;
using ui::script::Script;

TEST(TDemoInstallForm, KeepsTheChoicesHoweverThePageIsLeft) {
  struct Case {
    const char* button;
    PageResult result;
  } cases[] = {{"NextBtn", prNext}, {"PrevBtn", prPrev}, {"CancelBtn", prCancel}};
  for (const Case& c : cases) {
    test::PageRun<TDemoInstallForm> run(
        Script().Page("TDemoInstallForm").Uncheck("DemoCB").Check("DefDemoCB").Click(c.button));
    run.t.session.InstallDemo = true;
    run.t.session.DemoIsDefault = false;
    EXPECT_EQ(run.Show([](TDemoInstallForm& page) { return page.Execute(1, false); }), c.result) << c.button;
    EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
    EXPECT_EQ(ControlLine(run.Opened(), "DemoCB"), "DemoCB: check box [x] \"Install demo project\"");
    // Independent boxes: the second is kept even without the first.
    EXPECT_FALSE(run.t.session.InstallDemo) << c.button;
    EXPECT_TRUE(run.t.session.DemoIsDefault) << c.button;
  }

  test::ClosingHost closing;
  closing.whileShown = [](ui::Page& page) { static_cast<TDemoInstallForm&>(page).DemoCB.Checked = true; };
  test::InstallerTestContext t(closing);
  TDemoInstallForm page(t.app);
  EXPECT_EQ(page.Execute(0, false), prNone);
  EXPECT_TRUE(t.session.InstallDemo);
}

}  // namespace
}  // namespace velmar
