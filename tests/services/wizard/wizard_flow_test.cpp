#include "services/wizard/wizard_flow.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <vector>

namespace velmar {
namespace {

// Plays the given page results; steps in `skipped` do not apply.
struct ScriptedFlow {
  std::deque<PageResult> answers;
  std::set<int> skipped;
  std::vector<int> shown;

  bool run(int steps) {
    return RunFlow(steps, [this](int step) -> std::optional<PageResult> {
      if (skipped.count(step)) return std::nullopt;
      shown.push_back(step);
      if (answers.empty()) return prNone;
      const PageResult r = answers.front();
      answers.pop_front();
      return r;
    });
  }
};

}  // namespace

TEST(WizardFlow, SkippedPagesFollowTheDirectionOfTravel) {
  ScriptedFlow flow{{prNext, prPrev, prNext, prNext, prInstall}, {1}, {}};
  EXPECT_TRUE(flow.run(4));
  EXPECT_EQ(flow.shown, (std::vector<int>{0, 2, 0, 2, 3}));
}

TEST(WizardFlow, PrevNeverGoesBelowTheFirstStep) {
  ScriptedFlow flow{{prPrev, prNext, prInstall}, {}, {}};
  EXPECT_TRUE(flow.run(2));
  EXPECT_EQ(flow.shown, (std::vector<int>{0, 0, 1}));
}

TEST(WizardFlow, GoingBackOverASkippedFirstPageTurnsRound) {
  ScriptedFlow flow{{prPrev, prCancel}, {0}, {}};
  EXPECT_FALSE(flow.run(3));
  EXPECT_EQ(flow.shown, (std::vector<int>{1, 1}));
}

TEST(WizardFlow, NoneCancelAndGateCancelLeave) {
  for (PageResult r : {prNone, prCancel, prGateCancel}) {
    ScriptedFlow flow{{prNext, r}, {}, {}};
    EXPECT_FALSE(flow.run(5));
    EXPECT_EQ(flow.shown.size(), 2u);
  }
}

TEST(WizardFlow, RunningOffTheEndLeavesWithoutInstalling) {
  ScriptedFlow flow{{prNext, prNext}, {}, {}};
  EXPECT_FALSE(flow.run(2));
  ScriptedFlow allSkipped{{}, {0, 1, 2}, {}};
  EXPECT_FALSE(allSkipped.run(3));
  EXPECT_TRUE(allSkipped.shown.empty());
}

}  // namespace velmar
