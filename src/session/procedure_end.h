#pragma once
// How a procedure ends: never with its "finished" message after a step
// failed. Every function that installs ends through this.

#include <string>

namespace velmar {

struct InstallerContext;

// Shows the procedure's finished text, or, when a step failed, the text that
// says it finished with errors and names Install.log, and logs what it
// showed. A failed step marks the run as finished with errors (exit status 4
// of an unattended run).
void ShowProcedureEnd(InstallerContext& app, const std::string& finishedText, bool stepFailed);

}  // namespace velmar
