#pragma once
// The pages of the patch installation, made once with the main window.

#include "patch/install_patch_form.h"
#include "patch/patch_ready_form.h"

namespace velmar {

struct PatchPages {
  explicit PatchPages(InstallerContext& app) : InstallPatchForm(app), PatchReadyForm(app) {}

  TInstallPatchForm InstallPatchForm;
  TPatchReadyForm PatchReadyForm;
};

}  // namespace velmar
