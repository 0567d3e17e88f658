#include "session/procedure_end.h"

#include "base/path_utils.h"
#include "services/text/language.h"
#include "services/text/texts.h"
#include "session/installer_context.h"
#include "ui/host.h"

namespace velmar {

void ShowProcedureEnd(InstallerContext& app, const std::string& finishedText, bool stepFailed) {
  std::string text = finishedText;
  if (stepFailed) {
    app.session.StepFailed = true;
    // The log stays where the run's first entry went, also when the product
    // folder was changed since (a patch into another folder).
    const std::string log = app.log.Path().empty() ? WithBackslash(app.session.VelmarPath) + "Install.log" : app.log.Path();
    text = app.texts.TextWith(text::FinishedWithErrors, log);
  }
  app.host.ShowMessage(text);
  app.LogLine(text);
}

}  // namespace velmar
