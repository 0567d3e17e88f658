#pragma once

#include <string>

#include "session/installer_context.h"
#include "app/run_installer.h"

namespace velmar {

class TMainForm;

// Settles the language, then offers the functions until the user leaves; a
// function given on the command line runs once.
// Cancelled when the user cancelled the language page, Failed when the
// language file is missing or not a language file.
InstallerEnd Dispatcher(InstallerContext& app, TMainForm& main);

// The name of the readme file of a language (index 0 to 3).
const char* ReadmeFileName(int languageIndex);

// The readme of the chosen language; started from the Install folder of an
// installed product, the product's own readme.
std::string FindReadmePath(InstallerContext& app);

}  // namespace velmar
