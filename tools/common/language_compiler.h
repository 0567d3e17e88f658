#pragma once
// The language file compiler: a text source (see language_source.h) in, the
// combined file "Velmar.Lnn" and the separate file "VSETUP.Lnn" out, and a
// language file back into its text source.

#include <string>
#include <string_view>
#include <vector>

#include "platform/files/file_system.h"
#include "common/language_source.h"

namespace velmar {

struct CompiledLanguage {
  int code = 0;
  std::string combinedFile;  // Velmar.Lnn
  std::string separateFile;  // VSETUP.Lnn
};

CompiledLanguage CompileLanguage(const LanguageSource& source);

struct DecompiledLanguage {
  LanguageSource source;
  bool combined = false;
  std::vector<std::string> problems;  // damaged entries, a missing setup group
};

// The code (from the file name) chooses the code page of the texts.
DecompiledLanguage DecompileLanguage(std::string_view fileBytes, int languageCode);

// Compiles the source file into OUTFOLDER\Velmar.Lnn and OUTFOLDER\VSETUP.Lnn
// and returns their paths. Throws InstallerError with the file name and every
// fault of the source; an existing output file is replaced only as a whole.
std::vector<std::string> CompileLanguageFiles(platform::FileSystem& files, const std::string& sourcePath,
                                              const std::string& outFolder);
// Throws InstallerError when the file cannot be read or its name does not end
// in ".Lnn".
DecompiledLanguage DecompileLanguageFileAt(platform::FileSystem& files, const std::string& path);

}  // namespace velmar
