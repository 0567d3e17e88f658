#pragma once
// Streams one item's data out of an archive: Stored or Deflate, checked
// against the stored size and CRC-32, in blocks of bounded size.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "base/byte_stream.h"
#include "formats/zip/zip_directory.h"
#include "formats/zip/zip_errors.h"
#include "formats/zip/zip_item.h"

namespace velmar {

struct ItemOutcome {
  enum Status { Done, Failed, Stopped } status = Done;  // Stopped: the sink said so
  TAbErrorClass errorClass = TAbErrorClass::ecAbbrevia;
  int errorCode = 0;

  static ItemOutcome Failure(int code, TAbErrorClass errorClass = TAbErrorClass::ecAbbrevia) {
    return {Failed, errorClass, code};
  }
};

// Receives the data block by block; false stops the item.
using ItemSink = std::function<bool(const uint8_t* data, size_t size)>;

// The reason the reader cannot read an item at all (encrypted, unknown
// method, Stored sizes that disagree), or 0.
int UnreadableReason(const TAbArchiveItem& item);

class ZipItemReader {
 public:
  static constexpr size_t DefaultBlockSize = 256 * 1024;

  explicit ZipItemReader(size_t blockSize = DefaultBlockSize);
  ~ZipItemReader();
  ZipItemReader(const ZipItemReader&) = delete;
  ZipItemReader& operator=(const ZipItemReader&) = delete;

  // Reads and checks the local header of item `index`: it is there, names
  // the item's file, and it and the item's data lie within the item's own
  // bytes. Done when readData may follow; nothing of the data is given yet.
  ItemOutcome begin(ByteStream& archive, const ZipDirectory& directory, size_t index);
  // Streams the data of the item begun last. Every block given to the sink
  // is part of the item; a failure may come after some blocks, so the sink's
  // output is only good when Done.
  ItemOutcome readData(ByteStream& archive, const TAbArchiveItem& item, const ItemSink& sink);
  // UnreadableReason, begin and readData.
  ItemOutcome read(ByteStream& archive, const ZipDirectory& directory, size_t index, const ItemSink& sink);

 private:
  struct Inflater;
  ItemOutcome readStored(ByteStream& archive, const TAbArchiveItem& item, const ItemSink& sink);
  ItemOutcome readDeflated(ByteStream& archive, const TAbArchiveItem& item, const ItemSink& sink);
  // Next compressed bytes into the input buffer; 0 at the item's end, -1 on failure.
  int64_t fill(ByteStream& archive, int& errorCode);

  std::vector<uint8_t> input_, output_;
  size_t inputStart_ = 0, inputEnd_ = 0;  // unread bytes of input_
  uint64_t packedLeft_ = 0;               // compressed bytes not yet in input_
  std::unique_ptr<Inflater> inflater_;
};

}  // namespace velmar
