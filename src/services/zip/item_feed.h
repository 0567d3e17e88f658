#pragma once
// Where extraction takes the items' checked local headers and data from:
// read when asked for, on the caller's thread, or read ahead on a thread of
// its own (ReadAheadFeed).

#include <cstddef>

#include "formats/zip/zip_directory.h"
#include "formats/zip/zip_item_reader.h"

namespace velmar {

// Items are asked for in archive order: begin(i), then read(i) when begin
// was Done. An item may be left at any point; passed(i) says that nothing
// more of item i, or of the items before it, is wanted.
class ItemFeed {
 public:
  virtual ~ItemFeed() = default;
  // The check of item `index`'s local header (ZipItemReader::begin).
  virtual ItemOutcome begin(size_t index) = 0;
  // The data of item `index`, begun last, block by block (ZipItemReader::readData).
  virtual ItemOutcome read(size_t index, const ItemSink& sink) = 0;
  virtual void passed(size_t index) {}
};

class DirectFeed : public ItemFeed {
 public:
  DirectFeed(ByteStream& archive, const ZipDirectory& directory) : archive_(archive), directory_(directory) {}
  ItemOutcome begin(size_t index) override { return reader_.begin(archive_, directory_, index); }
  ItemOutcome read(size_t index, const ItemSink& sink) override {
    return reader_.readData(archive_, directory_.items.at(index), sink);
  }

 private:
  ByteStream& archive_;
  const ZipDirectory& directory_;
  ZipItemReader reader_;
};

}  // namespace velmar
