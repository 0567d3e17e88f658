#pragma once
// FindFirstFile wildcards as a pure function, with the case rule of names
// (base/text_case.h). Both ports use it, so both list folders alike.

#include <string>
#include <string_view>

namespace velmar {

bool HasWildcard(std::string_view pattern);

// Whether a file name matches a FindFirstFile pattern, without regard to case.
// "*" matches any run of characters, "?" any one character; as on Windows,
// "*.*" matches every name (also names without a dot), "*." matches names
// without an extension, and a "?" before a dot or at the end may match nothing.
bool MatchesWildcard(std::string_view pattern, std::string_view name);

}  // namespace velmar
