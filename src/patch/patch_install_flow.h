#pragma once
// F4: the entry gate, the product folder, the patch and the ready page, and
// then the patch archive unpacked over the product folder without questions.

namespace velmar {

struct InstallerContext;
struct PatchPages;
struct ProductPages;
struct WizardPages;

// The folder page and the unzip dialog are the product installation's.
void PatchInstallFlow(InstallerContext& app, WizardPages& gate, ProductPages& product, PatchPages& pages);

}  // namespace velmar
