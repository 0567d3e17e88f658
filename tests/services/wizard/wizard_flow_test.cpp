#include "services/wizard/wizard_flow.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <vector>

namespace velmar {

TEST(WizardFlow, StepsFollowThePageResultsAndSkipInTheDirectionOfTravel) {
  const struct {
    const char* what;
    int steps;
    std::deque<PageResult> answers;  // then None
    std::set<int> skipped;
    bool installs;
    std::vector<int> shown;
  } cases[] = {
      {"a skipped page is passed both ways", 4, {prNext, prPrev, prNext, prNext, prInstall}, {1}, true, {0, 2, 0, 2, 3}},
      {"Prev on the first step stays there", 2, {prPrev, prNext, prInstall}, {}, true, {0, 0, 1}},
      {"back over a skipped first page turns round", 3, {prPrev, prCancel}, {0}, false, {1, 1}},
      {"None leaves", 5, {prNext}, {}, false, {0, 1}},
      {"Cancel leaves", 5, {prNext, prCancel}, {}, false, {0, 1}},
      {"the gate's Cancel leaves", 5, {prNext, prGateCancel}, {}, false, {0, 1}},
      {"running off the end does not install", 2, {prNext, prNext}, {}, false, {0, 1}},
      {"every page skipped", 3, {}, {0, 1, 2}, false, {}},
  };
  for (const auto& c : cases) {
    std::deque<PageResult> answers = c.answers;
    std::vector<int> shown;
    const bool installs = RunFlow(c.steps, [&](int step) -> std::optional<PageResult> {
      if (c.skipped.count(step)) return std::nullopt;
      shown.push_back(step);
      if (answers.empty()) return prNone;
      const PageResult r = answers.front();
      answers.pop_front();
      return r;
    });
    EXPECT_EQ(installs, c.installs) << c.what;
    EXPECT_EQ(shown, c.shown) << c.what;
  }
}

}  // namespace velmar
