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
    text = app.texts.TextWith(text::FinishedWithErrors, WithBackslash(app.session.VelmarPath) + "Install.log");
  }
  app.host.ShowMessage(text);
  app.LogLine(text);
}

}  // namespace velmar
