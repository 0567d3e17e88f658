#pragma once
// The project files an archive on the medium holds, as the project tree and
// the medium scan at start-up see them.

#include <optional>
#include <string>
#include <vector>

#include "platform/files/file_system.h"

namespace velmar {

struct ArchiveProjects {
  std::string Comment;
  // Stored names of the items with the extension ".VPR" (case aside), with
  // "\" separators, in stored order. Items the unzipper would refuse to
  // write (names that climb out of the folder, forbidden names) and folder
  // entries are left out.
  std::vector<std::string> ProjectFiles;
};

// Nothing when the reader cannot open the archive (missing, damaged): such
// an archive offers no project, and whoever scans goes on with the next.
std::optional<ArchiveProjects> ReadArchiveProjects(platform::FileSystem& fs, const std::string& archive);

}  // namespace velmar
