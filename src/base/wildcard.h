#pragma once
// Name rules of the Windows file system as pure functions: FindFirstFile
// wildcards, comparison without regard to case, and the order NTFS lists a
// folder in. Both ports use them, so both behave the same.

#include <string>
#include <string_view>

namespace velmar {

// Upper case of one letter, for the scripts the product's languages use
// (Latin, Latin-1, Latin Extended-A, Greek, Cyrillic); others stay as they are.
char32_t UpperCodePoint(char32_t cp);

bool HasWildcard(std::string_view pattern);

// Whether a file name matches a FindFirstFile pattern, without regard to case.
// "*" matches any run of characters, "?" any one character; as on Windows,
// "*.*" matches every name (also names without a dot), "*." matches names
// without an extension, and a "?" before a dot or at the end may match nothing.
bool MatchesWildcard(std::string_view pattern, std::string_view name);

bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// The order NTFS keeps a folder's names in: upper-cased UTF-16 code units.
bool NtfsNameLess(std::string_view a, std::string_view b);

}  // namespace velmar
