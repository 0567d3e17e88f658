#pragma once
// The keys the installer writes into a project file (.VPR): the names the
// user gave, the interface language and the product version. The project
// manager's own keys in the same file are never touched.

#include <string>
#include <string_view>

#include "base/codepage.h"
#include "platform/files/file_system.h"

namespace velmar {

enum class ProjectFileMode {
  Create,  // a new user project: every name written, NewProject=1
  Update,  // a placed customer project: only the names given
};

struct ProductVersion {
  int major = 0, minor = 0;
  bool accepted = false;  // the text had the form "3.n..."
};

// "3.4.10" gives 3 and 4, "3.12" 3 and 12, "3.x" 3 and 2; any text that does
// not begin with "3" and hold a dot gives 0 and 0.
ProductVersion ParseProductVersion(std::string_view text);

// Writes the keys into the file at path, creating it when missing (its
// folder must exist). A write the INI layer refuses raises its error.
void WriteProjectFile(platform::FileSystem& fs, CodePage ansiCodePage, const std::string& path,
                      ProjectFileMode mode, const std::string& projectName, const std::string& customerName,
                      int languageCode, std::string_view productVersion);

}  // namespace velmar
