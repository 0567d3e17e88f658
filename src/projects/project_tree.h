#pragma once
// The projects of the medium's Projects\ folder as a tree of its folders:
// plain project files and the project files inside archives alike.

#include <string>
#include <vector>

#include "platform/files/file_system.h"
#include "ui/controls.h"

namespace velmar {

// Node images of the tree (TREEVIEW_IMGS).
namespace tree_image {
constexpr int Folder = 0, ProjectFile = 2, ArchiveProject = 3;
}

// What a project's node stands for.
struct ProjectChoice {
  std::string Archive, ProjectFile, Comment;
};

// Adds the projects of the folder (with "\") below the node, each with its
// index in choices plus 1 as its Data, and the folders that hold projects
// below them; false when there are none. Archives the reader cannot open
// offer no project.
bool AddProjectTree(platform::FileSystem& fs, ui::TreeNode& node, const std::string& folder,
                    std::vector<ProjectChoice>& choices);

}  // namespace velmar
