#include "projects/archive_projects.h"

#include "base/errors.h"
#include "base/path_utils.h"
#include "base/text_case.h"
#include "formats/zip/zip_names.h"
#include "services/zip/unzipper.h"

namespace velmar {

std::optional<ArchiveProjects> ReadArchiveProjects(platform::FileSystem& fs, const std::string& archive) {
  TAbUnZipper zip(fs);
  try {
    zip.SetFileName(archive);
  } catch (const InstallerError&) {
    return std::nullopt;
  }
  ArchiveProjects projects;
  projects.Comment = zip.ZipfileComment();
  for (int i = 0; i < zip.ItemCount(); ++i) {
    const TAbArchiveItem& item = zip.Item(i);
    if (item.IsDirectory() || CheckItemName(item.FileName) != 0) continue;
    std::string name;
    for (const std::string& part : ItemNameParts(item.FileName)) name += (name.empty() ? "" : "\\") + part;
    if (UpperCaseText(FileExtension(name)) == ".VPR") projects.ProjectFiles.push_back(std::move(name));
  }
  return projects;
}

}  // namespace velmar
