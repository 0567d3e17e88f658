#pragma once
// "The same place" and "inside that folder" as the file system answers them:
// by the identity of the folder and of each folder above a path, so that a
// second drive letter, a link on the way, another case or a short name
// changes nothing.

#include <string>

#include "platform/files/file_system.h"

namespace velmar::platform {

// Two names of one file or folder. A place that does not exist yet is the
// same as another only by its full name.
bool SamePlace(FileSystem& fs, const std::string& a, const std::string& b);

// `path` is `folder` itself or lies somewhere below it. A path not made yet
// is judged by the nearest folder above it that exists: it would be made
// there. False when `folder` does not exist.
bool IsAtOrInside(FileSystem& fs, const std::string& path, const std::string& folder);

}  // namespace velmar::platform
