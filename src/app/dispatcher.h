#pragma once

#include <string>

#include "app/installer_context.h"

namespace velmar {

class TMainForm;

// Settles the language, then offers the functions until the user leaves; a
// function given on the command line runs once.
// False when the user cancelled the language page.
bool Dispatcher(InstallerContext& app, TMainForm& main);

// The readme of the chosen language: on an installed product's Install\
// folder the product's own readme.
std::string FindReadmePath(InstallerContext& app);

}  // namespace velmar
