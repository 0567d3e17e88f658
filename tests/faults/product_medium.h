#pragma once
// The product installation the sweeps share: the medium it runs from, its
// whole run and the places it writes. F2 is swept on it, F8 removes what it
// left, and F3 runs on the same medium with a customer's install added.

#include <string>
#include <vector>

#include "support/installer_fixture.h"

namespace velmar::test {

// Setup.ini and the language files, two releases (the newest with
// sub-folders and the three programs), the demo project, and a product folder
// whose Velmar.ini and an installation record with keys of their own must
// keep them.
void WriteProductMedium(InstallerFixture& f);

// F2 from the language page to the end: the newest release, desktop and
// Startup shortcuts, a new user project "Water works" as the default
// project, the demo project. The flow's message boxes are not answered.
ui::script::Script ProductInstallScript(InstallerFixture& f);

// The product, projects and shortcut folders, the installation record, the
// user's shell folders and the settings written back into Setup.ini.
std::vector<std::string> ProductInstallPlaces(InstallerFixture& f);

// The product installed on the fixture's machine by that run, its message
// boxes answered with OK. A run that does not finish fails the test.
void InstallProduct(InstallerFixture& f);

}  // namespace velmar::test
