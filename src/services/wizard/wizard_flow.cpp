#include "services/wizard/wizard_flow.h"

namespace velmar {

bool RunFlow(int stepCount, const FlowStep& runStep) {
  int step = 0;
  PageResult last = prNext;
  while (step >= 0 && step < stepCount) {
    const std::optional<PageResult> shown = runStep(step);
    PageResult result = shown ? *shown : last;
    // Going back over skipped pages at the start turns round rather than
    // skipping step 0 for ever.
    if (!shown && result == prPrev && step == 0) result = prNext;
    switch (result) {
      case prNext: ++step; break;
      case prPrev: step = step > 0 ? step - 1 : 0; break;
      case prInstall: return true;
      default: return false;  // None, Cancel, the gate pages' Cancel
    }
    last = result;
  }
  return false;
}

bool RunFlow(const std::vector<FlowStep>& steps) {
  return RunFlow(static_cast<int>(steps.size()), [&](int step) { return steps[static_cast<size_t>(step)](step); });
}

}  // namespace velmar
