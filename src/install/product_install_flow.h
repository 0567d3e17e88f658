#pragma once
// F2: the entry gate, the product wizard's pages in their order, and the
// installation itself once the ready page says so.

namespace velmar {

struct InstallerContext;
struct ProductPages;
struct WizardPages;

void ProductInstallFlow(InstallerContext& app, WizardPages& gate, ProductPages& pages);

}  // namespace velmar
