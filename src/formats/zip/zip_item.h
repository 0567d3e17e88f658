#pragma once
// One item of a zip archive as its central directory describes it.

#include <cstdint>
#include <optional>
#include <string>

#include "base/file_types.h"

namespace velmar {

namespace zip_method {
constexpr uint16_t Stored = 0;
constexpr uint16_t Deflated = 8;
}  // namespace zip_method

struct TAbArchiveItem {
  // Stored name, UTF-8, "/" between folders (a stored "\" is turned into "/").
  std::string FileName;
  uint64_t CompressedSize = 0;
  uint64_t UncompressedSize = 0;
  uint32_t CRC32 = 0;
  uint16_t CompressionMethod = 0;
  uint16_t GeneralPurposeBitFlag = 0;
  uint16_t VersionMadeBy = 0;
  // MS-DOS date and time, local time of the machine that made the archive.
  uint16_t LastModFileTime = 0;
  uint16_t LastModFileDate = 0;
  // Exact last write time (UTC), when an extra field holds one.
  std::optional<FileTime> LastWriteTime;
  uint32_t ExternalFileAttributes = 0;
  uint64_t RelativeOffset = 0;  // of the local header

  // A trailing "/", or the MS-DOS folder bit on an empty item (some writers omit the "/").
  bool IsDirectory() const {
    return (!FileName.empty() && FileName.back() == '/') ||
           ((ExternalFileAttributes & attr::Folder) && UncompressedSize == 0);
  }
  bool IsEncrypted() const { return (GeneralPurposeBitFlag & 1) != 0; }
  // Read-only, hidden, system and archive bits kept in the low byte.
  uint32_t DosAttributes() const;
};

// What an item's local header must agree with, as the directory as a whole
// tells it. An archive whose items share bytes would unpack those bytes more
// than once (a zip bomb needs no nesting for that), so every item's local
// header and data must lie between its own offset and the next item's.
struct ItemLayout {
  std::string storedName;        // the name's bytes as the central directory holds them
  bool utf8FlagMatters = false;  // the same bytes read with the UTF-8 flag flipped name another file
  // Where its local header and data must end: the next item's local header, or the directory.
  uint64_t limit = 0;
  bool overlapped = false;  // another item starts at the same place, or an earlier one reaches into it
};

}  // namespace velmar
