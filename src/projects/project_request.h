#pragma once
// The project to be placed on the workstation: chosen by the project install
// flow (or given by a custom install) and carried out by PlaceProject.

#include <string>
#include <string_view>

namespace velmar {

struct ProjectRequest {
  // A project file on the medium: its full path. A project inside an
  // archive: the item's stored name with "\" separators ("Line1\Line1.VPR").
  std::string ProjectFile;
  // Full path of the archive on the medium; empty for a plain project file.
  std::string Archive;
  std::string ArchiveComment;
  // Where the project goes; with a trailing "\" once it is longer than a
  // drive ("C:").
  std::string TargetFolder;
  // The shortcut's name without folder and ".LNK"; PlaceProject replaces it
  // by the full path of the shortcut file it made or found.
  std::string ShortcutName;
};

// What the folder and shortcut page proposes for a chosen project.
struct ProjectPlaceProposal {
  std::string TargetFolder;  // no trailing "\"
  std::string ShortcutName;
};

// The project's own sub-folder below the projects folder (the folder part of
// an archive's item, else the last name of the folder holding the archive or
// the file on the medium; a folder called "Projects" counts as none, and then
// the project file's name is taken), and the shortcut named after the
// sub-folder's last name and the project file.
ProjectPlaceProposal ProposeProjectPlace(const ProjectRequest& request, std::string_view projectsPath);

// The first problem of a typed target folder and shortcut name, as a text of
// texts.h, or 0 when both may be used: the folder must be a full path longer
// than a drive and not the projects folder itself, the shortcut a plain name.
int CheckProjectPlace(std::string_view folder, std::string_view shortcut, std::string_view projectsPath);

}  // namespace velmar
