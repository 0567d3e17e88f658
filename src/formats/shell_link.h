#pragma once
// The shell link file format (.lnk) as bytes: our own writer, and a reader for
// the links Windows shells make (item ID lists, link info, ANSI or Unicode
// strings, extra data blocks). The reader checks every size and offset: a
// damaged or truncated file gives nothing, never a read outside the bytes.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velmar {

struct ShortcutProperties {
  std::string target;         // the file the shortcut leads to
  std::string workingFolder;  // folder the target starts in
  std::string description;
  std::string arguments;
  std::string iconPath;  // empty: the target's own icon
  int iconIndex = 0;

  bool operator==(const ShortcutProperties&) const = default;
};

// Nothing when a text is too long for the format (65535 UTF-16 units), or
// when the target is a network path that a link cannot hold as it is: one
// without a share name ("\\server\\x") or with an empty folder name right
// below the share ("\\server\share\\x"). A share's trailing backslash is
// not kept ("\\server\share\" reads back as "\\server\share").
std::optional<std::vector<uint8_t>> EncodeShellLink(const ShortcutProperties& properties);

std::optional<ShortcutProperties> DecodeShellLink(std::span<const uint8_t> bytes);

}  // namespace velmar
