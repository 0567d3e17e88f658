#include "install/pages/demo_install_form.h"

#include <gtest/gtest.h>

#include "install/page_run.h"
#include "install/pages/project_options_form.h"
#include "install/pages/ready_to_install_form.h"

namespace velmar {
namespace {

using ui::script::Script;

TEST(TDemoInstallForm, KeepsTheChoicesHoweverThePageIsLeft) {
  const std::pair<const char*, PageResult> buttons[] = {{"NextBtn", prNext}, {"PrevBtn", prPrev}, {"CancelBtn", prCancel}};
  for (const auto& [button, result] : buttons) {
    test::PageRun<TDemoInstallForm> run(
        Script().Page("TDemoInstallForm").Uncheck("DemoCB").Check("DefDemoCB").Click(button));
    run.t.session.InstallDemo = true;
    EXPECT_EQ(run.Show([](TDemoInstallForm& page) { return page.Execute(1, false); }), result);
    // Independent boxes: the second is kept even without the first.
    EXPECT_FALSE(run.t.session.InstallDemo) << button;
    EXPECT_TRUE(run.t.session.DemoIsDefault) << button;
  }
}

// Closed without its buttons, as the system may close a window: the project
// page ends the flow like Cancel, the others give None; the demo page keeps
// its choices all the same.
class ClosingHost : public ui::script::ScriptHost {
 public:
  ClosingHost() : ScriptHost(Script()) {}
  void ShowModal(ui::Page& page) override {
    if (auto* demo = dynamic_cast<TDemoInstallForm*>(&page)) demo->DemoCB.Checked = true;
  }
};

TEST(InstallPages, ClosedWithoutTheirButtons) {
  ClosingHost closing;
  test::InstallerTestContext t(closing);
  EXPECT_EQ(TProjectOptionsForm(t.app).Execute(0, {.OfferNewProject = true}), prCancel);
  EXPECT_EQ(TDemoInstallForm(t.app).Execute(0, false), prNone);
  EXPECT_TRUE(t.session.InstallDemo);
  EXPECT_EQ(TReadyToInstallForm(t.app).Execute(), prNone);
}

}  // namespace
}  // namespace velmar
