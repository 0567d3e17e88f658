// The central directory reader and the item reader on raw archive bytes: every
// item is read twice, in tiny blocks and in the default ones, and what comes
// out must agree with what the directory says.
#include <cstdlib>

#include "base/errors.h"
#include "formats/zip/zip_directory.h"
#include "formats/zip/zip_item_reader.h"
#include "formats/zip/zip_names.h"
#include "support/files/memory_file_system.h"

using namespace velmar;
using test::MemoryFileSystem;

namespace {

struct Result {
  ItemOutcome outcome;
  uint64_t bytes = 0;
};

Result ReadItem(MemoryFileSystem& files, ZipItemReader& reader, const ZipDirectory& directory, size_t index) {
  auto archive = files.openRead("C:\\a.zip");
  Result result;
  result.outcome = reader.read(*archive, directory, index, [&](const uint8_t*, size_t size) {
    result.bytes += size;
    return true;
  });
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemoryFileSystem files;
  files.addFile("C:\\a.zip", std::string(reinterpret_cast<const char*>(data), size));
  // Short reads: every loop over read() must carry on where the last one stopped.
  files.setReadPiece(size % 7 == 0 ? 0 : size % 7 * 13);
  ZipDirectory directory;
  try {
    auto archive = files.openRead("C:\\a.zip");
    directory = ReadZipDirectory(*archive, "a.zip");
  } catch (const InstallerError&) {
    return 0;
  }
  ZipItemReader small(64), normal;
  if (directory.layouts.size() != directory.items.size()) std::abort();
  for (size_t index = 0; index < directory.items.size(); ++index) {
    const TAbArchiveItem& item = directory.items[index];
    if (item.RelativeOffset >= directory.centralDirectoryOffset) std::abort();  // the directory promised otherwise
    if (item.LastWriteTime && *item.LastWriteTime <= 0) std::abort();  // no file system takes such a time
    if (CheckItemName(item.FileName) == 0 && ItemNameParts(item.FileName).empty()) std::abort();
    MatchesMask(item.FileName, "*.txt");
    Result a = ReadItem(files, small, directory, index), b = ReadItem(files, normal, directory, index);
    if (a.outcome.status != b.outcome.status || a.outcome.errorCode != b.outcome.errorCode) std::abort();
    if (a.bytes > item.UncompressedSize || b.bytes > item.UncompressedSize) std::abort();
    if (a.outcome.status == ItemOutcome::Done && (a.bytes != item.UncompressedSize || b.bytes != a.bytes)) std::abort();
  }
  return 0;
}
