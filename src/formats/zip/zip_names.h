#pragma once
// Stored item names as paths below a base folder, and name masks.

#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// 0 when the stored name (with "/" separators) names a place below a base
// folder that Windows can create; otherwise zip_error::UnsafeName (it climbs
// out: "..", a leading "/", a drive) or zip_error::InvalidName (forbidden
// characters, device names, parts ending in a dot or space, nothing left). A
// folder entry of "." parts only ("./") names the base folder itself.
int CheckItemName(std::string_view name);

// The parts of a checked name ("a/./b/c.txt" gives a, b, c.txt).
std::vector<std::string> ItemNameParts(std::string_view name);

// FindFirstFile-style match without regard to case ("*.*" takes every
// name). A mask without a folder part is matched against the item's own
// name; one with a folder part against the whole stored name.
bool MatchesMask(std::string_view itemName, std::string_view mask);

}  // namespace velmar
