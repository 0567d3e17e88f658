#pragma once
// How a procedure ends: never with its "finished" message after a step
// failed. Every function that installs ends through this.

#include <functional>
#include <string>

namespace velmar {

struct InstallerContext;

// Shows the procedure's finished text, or, when a step failed, the text that
// says it finished with errors and names Install.log. The log gets one
// English line: finishedLog (none when empty) or the finished-with-errors
// line. A failed step marks the run as finished with errors (exit status 4
// of an unattended run).
void ShowProcedureEnd(InstallerContext& app, const std::string& finishedText, const std::string& finishedLog,
                      bool stepFailed);

// The line a failed step leaves in the log: "ERROR: " and what failed, on one line.
void LogFailure(InstallerContext& app, const std::string& what);

// Runs a flow's procedure. An error that ends it (and goes on to the general
// error box) is logged first, with the separator that closes the flow's entries.
void RunLoggedProcedure(InstallerContext& app, const std::function<void()>& procedure);

}  // namespace velmar
