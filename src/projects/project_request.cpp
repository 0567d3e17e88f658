#include "projects/project_request.h"

#include "base/path_utils.h"
#include "base/text_case.h"
#include "text/texts.h"
#include "services/wizard/wizard_page.h"

namespace velmar {
namespace {

// The last name of a folder path, with or without its trailing "\".
std::string LastFolderName(std::string_view folder) { return FileNamePart(WithoutBackslash(folder)); }

std::string Normalised(std::string_view folder) { return WithoutBackslash(FullPathName(folder, "")); }

}  // namespace

ProjectPlaceProposal ProposeProjectPlace(const ProjectRequest& request, std::string_view projectsPath) {
  std::string subFolder;
  if (!request.Archive.empty()) {
    subFolder = WithoutBackslash(FileFolderPart(request.ProjectFile));
    if (subFolder.empty()) subFolder = LastFolderName(FileFolderPart(request.Archive));
  } else {
    subFolder = LastFolderName(FileFolderPart(request.ProjectFile));
  }
  if (SameText(subFolder, "Projects")) subFolder.clear();
  const std::string name = NameWithoutExt(request.ProjectFile);
  // A shortcut lies in the shortcut folder itself, so of a sub-folder of
  // several levels only the last names it.
  const std::string leaf = FileNamePart(subFolder);
  ProjectPlaceProposal proposal;
  if (subFolder.empty()) proposal.ShortcutName = name;
  else proposal.ShortcutName = SameText(name, leaf) ? leaf : leaf + " - " + name;
  if (subFolder.empty()) subFolder = name;
  proposal.TargetFolder = WithBackslash(projectsPath) + subFolder;
  return proposal;
}

int CheckProjectPlace(std::string_view folderText, std::string_view shortcutText, std::string_view projectsPath) {
  const std::string folder = WithoutBackslash(TrimBlanks(folderText));
  if (folder.size() < 3 || !AbsoluteFolder(folder)) return text::InvalidInstallFolder;
  if (!projectsPath.empty() && SameText(Normalised(folder), Normalised(projectsPath))) return text::SubFolderRequired;
  if (!IsPlainName(TrimBlanks(shortcutText))) return text::InvalidShortcutName;
  return 0;
}

}  // namespace velmar
