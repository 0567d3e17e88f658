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
  // The worker waits once this many pieces wait for the caller, and the
  // caller takes all that wait at once: few hand-overs. A piece holds at
  // most one block of the reader's block size, so memory stays bounded
  // whatever the archive.
  static constexpr size_t DefaultDepth = 16;

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
  using Block = std::vector<uint8_t>;
  // One block of an item's data, or none: the first piece of an item holds
  // the outcome of its header, the last one that of its data.
  struct Piece {
    size_t index = 0;
    bool last = false;
    ItemOutcome header, end;
    Block data;
  };

  // The worker's side.
  void work();
  bool readItem(ZipItemReader& reader, size_t index);  // false once the feed stops
  bool push(Piece piece);  // waits while the caller has enough
  Block block();
  // The caller's: the next piece of item `index`, dropping those of the
  // items passed by; Failed when there is none (the worker gave up).
  Piece take(size_t index);
  void giveBack(Block& data);  // leaves `data` empty

  ByteStream& archive_;
  const ZipDirectory& directory_;
  const std::vector<size_t> plan_;
  const size_t depth_;
  std::atomic<size_t> next_{0};  // the items before it are passed by

  std::mutex mutex_;  // guards the members up to worker_
  std::condition_variable room_, ready_;
  std::deque<Piece> waiting_;  // pushed, not yet taken
  std::vector<Block> returned_;  // blocks the caller is done with
  bool workerWaits_ = false, callerWaits_ = false, finished_ = false, stop_ = false;

  std::deque<Piece> taken_;  // the caller's own
  Piece current_;            // the caller's: the piece begun or being read
  std::vector<Block> used_;  // the caller's own, to give back
  std::vector<Block> free_;  // the worker's own, to fill again
  std::thread worker_;       // last: starts once the rest is made
};

}  // namespace velmar
