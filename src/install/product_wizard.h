#pragma once
// The product wizard's pages in their order, shared by the product install and
// the customer's install: folders, product version, shortcuts, the flow's own
// project pages, and the ready page.

#include <vector>

#include "services/wizard/wizard_flow.h"

namespace velmar {

struct InstallSession;
struct ProductPages;

// The product choices every product wizard starts from.
void ResetProductChoices(InstallSession& s, bool defaultProject);

// Walks the pages; true when the ready page said Install.
bool RunProductWizard(InstallSession& s, ProductPages& pages, const std::vector<FlowStep>& projectSteps);

}  // namespace velmar
