#pragma once
// Reads the fixed file version out of a Windows program's version resource
// (PE header, resource directory, RT_VERSION, VS_FIXEDFILEINFO), so that the
// four numbers are the same on every platform. Damaged or hostile files give
// nullopt; nothing is ever read outside the file.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "base/byte_stream.h"
#include "base/file_types.h"

namespace velmar {

// Fills `size` bytes from `offset`; false when the file is shorter.
using ReadAtFn = std::function<bool(uint64_t offset, void* out, size_t size)>;

std::optional<VersionNumbers> ReadPeFileVersion(const ReadAtFn& readAt);
std::optional<VersionNumbers> ReadPeFileVersion(std::span<const uint8_t> bytes);
std::optional<VersionNumbers> ReadPeFileVersion(ByteStream& file);

}  // namespace velmar
