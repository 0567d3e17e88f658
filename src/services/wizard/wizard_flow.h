#pragma once
// The results of wizard pages and the stepping rule every multi-page flow uses.

#include <functional>
#include <optional>
#include <vector>

namespace velmar {

enum PageResult : int {
  prGateCancel = -1,  // the welcome page's Cancel, the licence page's Reject
  prNone = 0,
  prNext = 1,
  prPrev = 2,
  prCancel = 3,
  prInstall = 4,
};

// Runs the page of a step and returns its result, or nullopt when the page
// does not apply to the current session (the step is then skipped in the
// direction of travel).
using FlowStep = std::function<std::optional<PageResult>(int step)>;

// Steps through a flow of stepCount steps, starting at step 0. True when a
// page returned Install; false when the flow was left.
bool RunFlow(int stepCount, const FlowStep& runStep);

// The same over a list of steps, each given its position.
bool RunFlow(const std::vector<FlowStep>& steps);

}  // namespace velmar
