#pragma once
// Reading the central directory of a zip archive: the end record (with its
// ZIP64 form), the item list, the archive comment, and where each item's
// local header and data may lie.

#include <string>
#include <vector>

#include "base/byte_stream.h"
#include "formats/zip/zip_item.h"

namespace velmar {

struct ZipDirectory {
  std::vector<TAbArchiveItem> items;  // in stored order
  std::vector<ItemLayout> layouts;    // one for each item
  std::string comment;                // UTF-8
  uint64_t centralDirectoryOffset = 0;  // item data lies before it
};

// Throws InstallerError naming `archiveName` when the file is not a zip
// archive or its directory is damaged or contradicts the file.
ZipDirectory ReadZipDirectory(ByteStream& file, const std::string& archiveName);

}  // namespace velmar
