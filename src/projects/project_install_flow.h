#pragma once
// F5: no program of the product may run; then the project choice, the folder
// and shortcut page and the ready page, and the placement once the ready
// page says so.

namespace velmar {

struct InstallerContext;
struct ProjectPages;
class TUnzipForm;
class TOverwriteDlg;

void ProjectInstallFlow(InstallerContext& app, ProjectPages& pages, TUnzipForm& unzip, TOverwriteDlg& overwrite);

}  // namespace velmar
