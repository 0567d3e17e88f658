#include "session/procedure_end.h"

#include <exception>

#include "base/path_utils.h"
#include "text/language_support.h"
#include "text/texts.h"
#include "session/installer_context.h"
#include "ui/host.h"

namespace velmar {
namespace {

// A log entry is one line: line breaks of a message become blanks.
std::string SingleLine(std::string text) {
  std::string line;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      if (!line.empty() && line.back() != ' ') line += ' ';
    } else {
      line += c;
    }
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

}  // namespace

void ShowProcedureEnd(InstallerContext& app, const std::string& finishedText, const std::string& finishedLog,
                      bool stepFailed) {
  if (!stepFailed) {
    app.host.ShowMessage(finishedText);
    if (!finishedLog.empty()) app.LogLine(finishedLog);
    return;
  }
  app.session.StepFailed = true;
  // The log stays where the run's first entry went, also when the product
  // folder was changed since (a patch into another folder).
  const std::string log = app.log.Path().empty() ? WithBackslash(app.session.VelmarPath) + "Install.log" : app.log.Path();
  app.host.ShowMessage(app.texts.TextWith(text::FinishedWithErrors, log));
  app.LogLine("Finished with errors, see the lines above");
}

void LogFailure(InstallerContext& app, const std::string& what) { app.LogLine("ERROR: " + SingleLine(what)); }

void RunLoggedProcedure(InstallerContext& app, const std::function<void()>& procedure) {
  try {
    procedure();
  } catch (const std::exception& error) {
    LogFailure(app, error.what());
    app.LogLine("-");
    throw;
  }
}

}  // namespace velmar
