#pragma once
// Reads a whole file through the file-system seam, with an upper bound.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace velmar {

// No value when the file cannot be opened or read, or is longer than `limit`.
std::optional<std::vector<uint8_t>> ReadWholeFile(platform::FileSystem& files, const std::string& path,
                                                  uint64_t limit);

}  // namespace velmar
