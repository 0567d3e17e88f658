#include "projects/project_install_flow.h"

#include "projects/place_project.h"
#include "projects/project_pages.h"
#include "text/language_support.h"
#include "text/texts.h"
#include "session/installer_context.h"
#include "session/procedure_end.h"
#include "session/running_program_guard.h"
#include "ui/host.h"

namespace velmar {

void ProjectInstallFlow(InstallerContext& app, ProjectPages& pages, TUnzipForm& unzip, TOverwriteDlg& overwrite) {
  {
    const RunningProgramGuard guard(app.os.mutexes);
    if (const auto running = guard.RunningProgramMessage(app.texts)) {
      app.host.ShowMessage(*running);
      return;
    }
  }
  ProjectRequest& request = pages.Request;
  request.ProjectFile.clear();
  request.Archive.clear();
  request.ArchiveComment.clear();

  // Steps 1, 3, 4 and 5 hold no page; past the ready page the flow ends.
  const bool install = RunFlow(7, [&](int step) -> std::optional<PageResult> {
    switch (step) {
      case 0: return pages.PickProjectForm.Execute(step, request);
      case 2: return pages.ProjectCheckForm.Execute(step, request);
      case 6: return pages.ReadyToInstProjForm.Execute(step, request);
      default: return std::nullopt;
    }
  });
  if (!install) return;
  app.LogLine("");
  app.LogLine("Install project : ");
  PlacementResult placed;
  RunLoggedProcedure(app, [&] { placed = PlaceProject(app, unzip, overwrite, request, !app.session.CustomInstall); });
  ShowProcedureEnd(app, app.texts.Text(text::ProjectInstalled), "", placed.Failed);
  app.LogLine("-");
}

}  // namespace velmar
