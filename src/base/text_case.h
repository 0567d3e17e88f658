#pragma once
// Case rules for names the way Windows compares them: file and folder names,
// INI sections and keys. Covers ASCII and the Latin letters of the ANSI code
// pages the installer's files use (1252 and 1250).

#include <string>
#include <string_view>

namespace velmar {

std::string LowerCaseText(std::string_view utf8);
std::string UpperCaseText(std::string_view utf8);
// Equal without regard to case.
bool SameText(std::string_view a, std::string_view b);

}  // namespace velmar
