#include "projects/project_tree.h"

#include "base/path_utils.h"
#include "base/text_case.h"
#include "projects/archive_projects.h"

namespace velmar {
namespace {

void AddChoice(ui::TreeNode& parent, std::vector<ProjectChoice>& choices, std::string caption, int image,
               ProjectChoice choice) {
  choices.push_back(std::move(choice));
  parent.Add(std::move(caption), image, int64_t(choices.size()));
}

}  // namespace

bool AddProjectTree(platform::FileSystem& fs, ui::TreeNode& node, const std::string& folder,
                    std::vector<ProjectChoice>& choices) {
  const std::vector<platform::DirEntry> entries = fs.find(folder + "*.*");
  for (const platform::DirEntry& entry : entries) {
    if (!IsPlainFileEntry(entry.attributes)) continue;
    const std::string extension = UpperCaseText(FileExtension(entry.name));
    const std::string path = folder + entry.name;
    if (extension == ".VPR") {
      AddChoice(node, choices, NameWithoutExt(entry.name), tree_image::ProjectFile, {"", path, ""});
    } else if (extension == ".ZIP") {
      const auto archive = ReadArchiveProjects(fs, path);
      if (!archive) continue;
      for (const std::string& stored : archive->ProjectFiles)
        AddChoice(node, choices, entry.name + " : [" + stored + "]", tree_image::ArchiveProject,
                  {path, stored, archive->Comment});
    }
  }
  for (const platform::DirEntry& entry : entries) {
    if (!IsFolderEntry(entry.attributes) || entry.name.empty() || entry.name[0] == '.') continue;
    ui::TreeNode& child = node.Add(entry.name, tree_image::Folder);
    // A folder without projects below it does not appear.
    if (!AddProjectTree(fs, child, folder + entry.name + "\\", choices)) node.Children.pop_back();
  }
  return !node.Children.empty();
}

}  // namespace velmar
