#pragma once
// The project choice page: every project of the medium's Projects\ folder in
// a tree of its folders, plain project files and the project files inside
// archives alike. The tree is built once, when the page is made.

#include <string>
#include <vector>

#include "projects/project_request.h"
#include "projects/project_tree.h"
#include "services/wizard/wizard_page.h"
#include "ui/controls.h"

namespace velmar {

class TPickProjectForm : public WizardPage {
 public:
  // Builds the tree from the medium's Projects\ folder.
  explicit TPickProjectForm(InstallerContext& app);

  // Next (enabled only on a project's node, or a double click on one) puts
  // the project's file, archive and comment into the request; Prev from
  // step 1 on, Cancel, or None when the page was closed otherwise.
  PageResult Execute(int step, ProjectRequest& request);

  ui::Label SelectLbl{*this, "SelectLbl"};
  ui::TreeView ProjectTV{*this, "ProjectTV"};

 private:
  void SetTexts() override;
  void UpdateNextBtn() override;
  void StoreFields() override;

  const ProjectChoice* SelectedRecord() const;

  std::vector<ProjectChoice> records_;  // a node's Data is its index here plus 1
  ProjectRequest* request_ = nullptr;
};

}  // namespace velmar
