#pragma once
// The installer's command line: language switches, "/W-", "/L-" and "/F<n>".

#include <string>
#include <vector>

namespace velmar {

struct CommandLineChoices {
  int Language = -1;         // LanguageIndex, or -1
  int Function = -1;         // FunctionIndex 0..6, 99 (show the selection), or -1
  bool SkipWelcome = false;  // "/W-"
  bool SkipLicence = false;  // "/L-"
};

// Arguments without the program name, taken first to last; a later one wins.
CommandLineChoices ParseCommandLine(const std::vector<std::string>& args);

}  // namespace velmar
