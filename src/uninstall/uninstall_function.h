#pragma once
// F8: no program of the product may run; the uninstall dialog; after a
// removal the explorer on what is left of the product folder, and the end of
// the installer.

namespace velmar {

struct InstallerContext;

// True when the product was removed: the installer ends then.
bool UninstallFunction(InstallerContext& app);

}  // namespace velmar
