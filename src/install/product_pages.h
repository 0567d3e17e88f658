#pragma once
// The pages and dialogs of the product installation, created once with the
// main window and reused by every flow that shows them.

#include "install/pages/demo_install_form.h"
#include "install/pages/main_install_form.h"
#include "install/pages/project_options_form.h"
#include "install/pages/ready_to_install_form.h"
#include "install/pages/select_vel_zip_form.h"
#include "install/pages/win_links_form.h"
#include "services/zip/overwrite_dlg.h"
#include "services/zip/unzip_form.h"

namespace velmar {

struct ProductPages {
  explicit ProductPages(InstallerContext& app)
      : MainInstallForm(app), SelectVelZipForm(app), WinLinksForm(app), ProjectOptionsForm(app),
        DemoInstallForm(app), ReadyToInstallForm(app), OverwriteDlg(app), UnzipForm(app, OverwriteDlg) {}

  TMainInstallForm MainInstallForm;
  TSelectVelZipForm SelectVelZipForm;
  TWinLinksForm WinLinksForm;
  TProjectOptionsForm ProjectOptionsForm;
  TDemoInstallForm DemoInstallForm;
  TReadyToInstallForm ReadyToInstallForm;
  TOverwriteDlg OverwriteDlg;
  TUnzipForm UnzipForm;
};

}  // namespace velmar
