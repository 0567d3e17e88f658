#pragma once
// The installer's two case rules, each for its own kind of text.
//
// Names (files, folders, paths, INI sections and keys) compare as Windows
// compares them: each letter upper-cased on its own by the system's table,
// which covers the scripts of the product's languages (ASCII, Latin-1, Latin
// Extended-A, Greek, Cyrillic). Other characters, and bytes that are not
// UTF-8, stay as they are.
//
// The installer's own words (command-line switches, answer-file commands)
// fold ASCII letters only: a letter outside ASCII never matches one of them.

#include <string>
#include <string_view>

namespace velmar {

char32_t UpperCodePoint(char32_t cp);
std::string UpperCaseText(std::string_view utf8);
// Equal as names: without regard to case.
bool SameText(std::string_view a, std::string_view b);
// The order NTFS keeps a folder's names in: upper-cased UTF-16 code units.
bool NtfsNameLess(std::string_view a, std::string_view b);

std::string AsciiLowerCase(std::string_view text);
std::string AsciiUpperCase(std::string_view text);
char AsciiUpper(char c);
// Equal, or in order, as the installer's own words: ASCII letters folded.
bool SameAsciiText(std::string_view a, std::string_view b);
bool AsciiTextLess(std::string_view a, std::string_view b);

}  // namespace velmar
