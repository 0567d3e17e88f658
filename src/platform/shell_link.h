#pragma once
// The shell link file format (.lnk) as bytes: our own writer, and a reader for
// the links Windows shells make (item ID lists, link info, ANSI or Unicode
// strings, extra data blocks). The reader checks every size and offset: a
// damaged or truncated file gives nothing, never a read outside the bytes.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/shortcuts.h"

namespace velmar::platform {

// Nothing when a text is too long for the format (65535 UTF-16 units).
std::optional<std::vector<uint8_t>> EncodeShellLink(const ShortcutProperties& properties);

std::optional<ShortcutProperties> DecodeShellLink(std::span<const uint8_t> bytes);

}  // namespace velmar::platform
