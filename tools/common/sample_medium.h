#pragma once
// The sample install medium that the demo, the tests and the medium check
// start from.

#include <filesystem>

namespace velmar {

// OUT receives Setup.exe (a copy of SETUP), Setup.ini, the language files
// compiled from LANGUAGES/vsetup_NN.txt, readme files in three languages, two
// product releases, two patches, projects (plain and zipped, with the demo
// project), two customers' installs in Custom\, a utilities folder and, in
// Extras\, what the extra install commands run and copy. The product's programs are copies of STANDIN.
// Throws on a file that cannot be read or written.
void MakeSampleMedium(const std::filesystem::path& out, const std::filesystem::path& setup,
                      const std::filesystem::path& standin, const std::filesystem::path& languages);

}  // namespace velmar
