#pragma once
// Reads, inflates and checks the items of an extraction on a thread of its
// own, in archive order, while the caller writes the items before them: the
// two halves of the work then share both cores. The caller takes headers,
// blocks and outcomes in the same order, so everything it does with them
// (its events, its files) stays on its thread and in archive order.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "services/zip/item_feed.h"

namespace velmar {

class ReadAheadFeed : public ItemFeed {
 public:
  // At most this many results (a header, a block of data, an outcome) wait
  // for the caller; a block holds at most the reader's block size, so
  // memory stays bounded whatever the archive.
  static constexpr size_t DefaultDepth = 32;

  // `plan`: the items the caller may ask for, ascending. The archive is read
  // only by the worker until the feed is destroyed.
  ReadAheadFeed(ByteStream& archive, const ZipDirectory& directory, std::vector<size_t> plan,
                size_t depth = DefaultDepth);
  // Stops the worker and waits for it.
  ~ReadAheadFeed() override;
  ReadAheadFeed(const ReadAheadFeed&) = delete;
  ReadAheadFeed& operator=(const ReadAheadFeed&) = delete;

  ItemOutcome begin(size_t index) override;
  ItemOutcome read(size_t index, const ItemSink& sink) override;
  void passed(size_t index) override;

 private:
  struct Piece {
    enum Kind { Header, Data, End } kind = Header;
    size_t index = 0;
    ItemOutcome outcome;
    std::vector<uint8_t> data;
  };

  void work();
  void readItem(ZipItemReader& reader, size_t index);
  // Waits for room; false once the feed stops.
  bool push(Piece piece);
  // The next piece of item `index`, dropping those of the items passed by;
  // Failed when there is none (the worker gave up).
  Piece take(size_t index);
  void dropPassed();  // with the lock held
  std::vector<uint8_t> buffer();

  ByteStream& archive_;
  const ZipDirectory& directory_;
  const std::vector<size_t> plan_;
  const size_t depth_;

  std::mutex mutex_;
  std::condition_variable room_, ready_;
  std::deque<Piece> pieces_;
  std::vector<std::vector<uint8_t>> spare_;  // blocks given back, for reuse
  bool finished_ = false;                    // the worker has pushed all it will
  std::atomic<size_t> next_{0};              // the items before it are passed by
  std::atomic<bool> stop_{false};
  std::thread worker_;  // last: starts once the rest is made
};

}  // namespace velmar
