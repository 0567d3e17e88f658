#include "services/wizard/enter_wizard.h"

#include <gtest/gtest.h>

#include "platform/mutexes.h"
#include "support/fixture/installer_fixture.h"
#include "support/fixture/installer_test_context.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Outcome;
using ui::script::Script;
using ui::script::ScriptHost;

Script PassGate() { return Script().Page("TWelcomeForm").Click("NextBtn").Page("TLicenceForm").Click("AcceptBtn"); }

struct GateRun {
  explicit GateRun(Script script) : host(std::move(script)) {}
  // Runs the gate `times` times in one run of the program; the results in order.
  std::vector<bool> Enter(int times = 1) {
    std::vector<bool> results;
    outcome = host.Run([&] {
      for (int i = 0; i < times; ++i) results.push_back(EnterWizard(t.app, pages));
      return Outcome::Finished;
    });
    EXPECT_EQ(outcome, Outcome::Finished) << host.EndMessage();
    return results;
  }
  ScriptHost host;
  test::InstallerTestContext t{host};
  WizardPages pages{t.app};
  Outcome outcome = Outcome::Failed;
};

TEST(EnterWizard, ShowsWelcomeAndLicenceOnlyUntilPassedOnceInARun) {
  GateRun run(PassGate());
  EXPECT_EQ(run.Enter(2), (std::vector<bool>{true, true}));
  EXPECT_TRUE(run.t.session.LicenceAccepted);
  EXPECT_EQ(test::TimesShown(run.host.TranscriptText(), "TLicenceForm"), 1);
}

TEST(EnterWizard, CancelAndRejectGiveMinusOneAndStopTheFlowUntilPassed) {
  // Enter on the welcome page is its default button, Next.
  GateRun run(Script().Page("TWelcomeForm").Click("CancelBtn").Page("TWelcomeForm").Key(ui::Key::Enter).Page("TLicenceForm")
                  .Click("RejectBtn").Page("TLicenceForm").Click("RejectBtn").Page("TLicenceForm").Click("AcceptBtn"));
  std::vector<PageResult> results;
  run.outcome = run.host.Run([&] {
    results.push_back(run.pages.WelcomeForm.Execute());
    results.push_back(EnterWizard(run.t.app, run.pages) ? prNext : prNone);  // welcome passed, licence rejected
    results.push_back(run.pages.LicenceForm.Execute());  // the page alone: rejected
    results.push_back(EnterWizard(run.t.app, run.pages) ? prNext : prNone);  // straight to the licence
    return Outcome::Finished;
  });
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
  EXPECT_EQ(results, (std::vector<PageResult>{prGateCancel, prNone, prGateCancel, prNext}));
  EXPECT_TRUE(run.t.session.LicenceAccepted);
}

TEST(EnterWizard, ARunningProgramIsNamedAndStopsTheFlowBeforeAnyPage) {
  GateRun run(Script().Answer("Velmar is running !", ui::Answer::Ok));
  auto sms = run.t.mutexes.Create("rmVel_SmsServer_Run_Mutex");
  auto main = run.t.mutexes.Create("rmVel_Velmar_Run_Mutex");
  ASSERT_TRUE(sms && main);
  EXPECT_EQ(run.Enter(), (std::vector<bool>{false}));
  EXPECT_EQ(test::Messages(run.host.TranscriptText()), std::vector<std::string>{"Cannot install !\nVelmar is running !"});
  EXPECT_FALSE(run.t.session.WelcomeShown);
}

}  // namespace
}  // namespace velmar
