#pragma once
// Whole small files through the file system seam.

#include <cstddef>
#include <optional>
#include <string>

#include "platform/files.h"

namespace velmar::platform {

// Nothing when the file cannot be read or is larger than maxSize bytes.
std::optional<std::string> ReadFileContents(FileSystem& fs, const std::string& path, size_t maxSize);

// Writes a temporary file beside the target and renames it over the target,
// so the target is never left half written; false when that failed.
bool ReplaceFileContents(FileSystem& fs, const std::string& path, const std::string& bytes);

}  // namespace velmar::platform
