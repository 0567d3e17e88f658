#pragma once
// The pages of the project installation, made once with the main window
// (the project tree with them), and the request they fill.

#include "projects/pick_project_form.h"
#include "projects/project_check_form.h"
#include "projects/project_request.h"
#include "projects/ready_to_inst_proj_form.h"

namespace velmar {

struct ProjectPages {
  explicit ProjectPages(InstallerContext& app) : PickProjectForm(app), ReadyToInstProjForm(app), ProjectCheckForm(app) {}

  TPickProjectForm PickProjectForm;
  TReadyToInstProjForm ReadyToInstProjForm;
  TProjectCheckForm ProjectCheckForm;
  // Kept between runs of the flow; each run empties the chosen project.
  ProjectRequest Request;
};

}  // namespace velmar
