#include "services/zip/read_ahead_feed.h"

#include <iterator>
#include <utility>

namespace velmar {
namespace {

ItemOutcome WorkerGaveUp() { return ItemOutcome::Failure(0, TAbErrorClass::ecOther); }

}  // namespace

ReadAheadFeed::ReadAheadFeed(ByteStream& archive, const ZipDirectory& directory, std::vector<size_t> plan,
                             size_t depth)
    : archive_(archive), directory_(directory), plan_(std::move(plan)), depth_(depth), worker_([this] { work(); }) {}

ReadAheadFeed::~ReadAheadFeed() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  room_.notify_all();
  worker_.join();
}

void ReadAheadFeed::work() {
  try {
    ZipItemReader reader;
    for (size_t index : plan_)
      if (index >= next_ && !readItem(reader, index)) break;
  } catch (...) {
    // Out of memory: the items not handed over fail.
  }
  {
    std::lock_guard lock(mutex_);
    finished_ = true;
  }
  ready_.notify_all();
}

bool ReadAheadFeed::readItem(ZipItemReader& reader, size_t index) {
  const TAbArchiveItem& item = directory_.items.at(index);
  Piece piece{index, false, reader.begin(archive_, directory_, index), {}, {}};
  if (piece.header.status == ItemOutcome::Done && !item.IsDirectory()) {
    // A block goes when the next one comes, so that the last travels with the outcome.
    bool filled = false, stopped = false;
    piece.end = reader.readData(archive_, item, [&](const uint8_t* data, size_t size) {
      if (index < next_) return false;  // the caller has left this item
      if (filled && !push(std::exchange(piece, Piece{index, false, {}, {}, {}}))) {
        stopped = true;
        return false;
      }
      piece.data = block();
      piece.data.assign(data, data + size);
      filled = true;
      return true;
    });
    if (stopped) return false;
  }
  piece.last = true;
  return push(std::move(piece));
}

bool ReadAheadFeed::push(Piece piece) {
  std::unique_lock lock(mutex_);
  while (!stop_ && waiting_.size() >= depth_) {
    workerWaits_ = true;
    room_.wait(lock);
  }
  workerWaits_ = false;
  if (stop_) return false;
  waiting_.push_back(std::move(piece));
  if (free_.empty()) free_.swap(returned_);
  const bool wake = callerWaits_;
  lock.unlock();
  if (wake) ready_.notify_one();
  return true;
}

ReadAheadFeed::Block ReadAheadFeed::block() {
  if (free_.empty()) {
    Block fresh;
    fresh.reserve(ZipItemReader::DefaultBlockSize);
    return fresh;
  }
  Block reused = std::move(free_.back());
  free_.pop_back();
  return reused;
}

ReadAheadFeed::Piece ReadAheadFeed::take(size_t index) {
  const Piece gaveUp{index, true, WorkerGaveUp(), WorkerGaveUp(), {}};
  for (;;) {
    while (!taken_.empty() && taken_.front().index < next_) {
      giveBack(taken_.front().data);
      taken_.pop_front();
    }
    if (!taken_.empty()) break;
    // Take over all that waits, and give back the blocks written meanwhile.
    std::unique_lock lock(mutex_);
    returned_.insert(returned_.end(), std::make_move_iterator(used_.begin()), std::make_move_iterator(used_.end()));
    used_.clear();
    while (waiting_.empty() && !finished_) {
      callerWaits_ = true;
      ready_.wait(lock);
    }
    callerWaits_ = false;
    if (waiting_.empty()) return gaveUp;
    taken_.swap(waiting_);
    const bool wake = workerWaits_;
    lock.unlock();
    if (wake) room_.notify_one();
  }
  // The next item's: `index` was not planned.
  if (taken_.front().index != index) return gaveUp;
  Piece piece = std::move(taken_.front());
  taken_.pop_front();
  return piece;
}

void ReadAheadFeed::giveBack(Block& data) {
  if (data.capacity() > 0) used_.push_back(std::move(data));
  data = {};
}

ItemOutcome ReadAheadFeed::begin(size_t index) {
  if (index > next_) next_ = index;
  giveBack(current_.data);
  current_ = take(index);
  return current_.header;
}

ItemOutcome ReadAheadFeed::read(size_t index, const ItemSink& sink) {
  for (;;) {
    const bool more = current_.data.empty() || sink(current_.data.data(), current_.data.size());
    giveBack(current_.data);
    if (!more) return {ItemOutcome::Stopped};
    if (current_.last) return current_.end;
    current_ = take(index);
  }
}

void ReadAheadFeed::passed(size_t index) {
  if (index + 1 > next_) next_ = index + 1;
}

}  // namespace velmar
