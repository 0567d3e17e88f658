#pragma once
// The project choice page: every project of the medium's Projects\ folder in
// a tree of its folders, plain project files and the project files inside
// archives alike. The tree is built once, when the page is made.

#include <string>
#include <vector>

#include "projects/project_request.h"
#include "services/wizard/wizard_page.h"
#include "ui/controls.h"

namespace velmar {

// Node images of the tree (TREEVIEW_IMGS).
namespace tree_image {
constexpr int Folder = 0, ProjectFile = 2, ArchiveProject = 3;
}

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
  // What a project's node stands for.
  struct Record {
    std::string Archive, ProjectFile, Comment;
  };

  void SetTexts() override;
  void UpdateNextBtn() override;
  void StoreFields() override;

  // Adds the projects of the folder (with "\") below the node; false when
  // there are none.
  bool AddFolder(ui::TreeNode& node, const std::string& folder);
  void AddRecord(ui::TreeNode& parent, std::string caption, int image, Record record);
  const Record* SelectedRecord() const;

  std::vector<Record> records_;  // a node's Data is its index here plus 1
  ProjectRequest* request_ = nullptr;
};

}  // namespace velmar
