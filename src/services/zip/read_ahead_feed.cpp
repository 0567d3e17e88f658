#include "services/zip/read_ahead_feed.h"

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
    for (size_t index : plan_) {
      if (stop_) break;
      if (index >= next_) readItem(reader, index);
    }
  } catch (...) {
    // Out of memory: the items not handed over fail.
  }
  {
    std::lock_guard lock(mutex_);
    finished_ = true;
  }
  ready_.notify_all();
}

void ReadAheadFeed::readItem(ZipItemReader& reader, size_t index) {
  const TAbArchiveItem& item = directory_.items.at(index);
  const ItemOutcome header = reader.begin(archive_, directory_, index);
  if (!push({Piece::Header, index, header, {}})) return;
  if (header.status != ItemOutcome::Done || item.IsDirectory()) return;
  const ItemOutcome end = reader.readData(archive_, item, [&](const uint8_t* data, size_t size) {
    if (index < next_) return false;  // the caller has left this item
    std::vector<uint8_t> block = buffer();
    block.assign(data, data + size);
    return push({Piece::Data, index, {}, std::move(block)});
  });
  push({Piece::End, index, end, {}});
}

bool ReadAheadFeed::push(Piece piece) {
  std::unique_lock lock(mutex_);
  if (pieces_.size() >= depth_) {
    // Once full, wait until half is taken: one wake-up for many pieces.
    room_.wait(lock, [this] { return stop_ || pieces_.size() <= depth_ / 2; });
  }
  if (stop_) return false;
  pieces_.push_back(std::move(piece));
  lock.unlock();
  ready_.notify_one();
  return true;
}

void ReadAheadFeed::dropPassed() {
  while (!pieces_.empty() && pieces_.front().index < next_) {
    if (pieces_.front().data.capacity() > 0) spare_.push_back(std::move(pieces_.front().data));
    pieces_.pop_front();
  }
}

ReadAheadFeed::Piece ReadAheadFeed::take(size_t index) {
  std::unique_lock lock(mutex_);
  for (;;) {
    dropPassed();
    if (!pieces_.empty() || finished_) break;
    ready_.wait(lock);
  }
  Piece piece{Piece::End, index, WorkerGaveUp(), {}};
  // Nothing, or the next item's: the worker gave up, or `index` was not planned.
  if (!pieces_.empty() && pieces_.front().index == index) {
    piece = std::move(pieces_.front());
    pieces_.pop_front();
  }
  const bool room = pieces_.size() <= depth_ / 2;
  lock.unlock();
  if (room) room_.notify_one();
  return piece;
}

std::vector<uint8_t> ReadAheadFeed::buffer() {
  {
    std::lock_guard lock(mutex_);
    if (!spare_.empty()) {
      std::vector<uint8_t> block = std::move(spare_.back());
      spare_.pop_back();
      return block;
    }
  }
  std::vector<uint8_t> block;
  block.reserve(ZipItemReader::DefaultBlockSize);
  return block;
}

ItemOutcome ReadAheadFeed::begin(size_t index) {
  if (index > next_) next_ = index;
  Piece piece = take(index);
  return piece.kind == Piece::Header ? piece.outcome : WorkerGaveUp();
}

ItemOutcome ReadAheadFeed::read(size_t index, const ItemSink& sink) {
  for (;;) {
    Piece piece = take(index);
    if (piece.kind == Piece::End) return piece.outcome;
    if (piece.kind != Piece::Data) return WorkerGaveUp();
    const bool more = sink(piece.data.data(), piece.data.size());
    {
      std::lock_guard lock(mutex_);
      spare_.push_back(std::move(piece.data));
    }
    if (!more) return {ItemOutcome::Stopped};
  }
}

void ReadAheadFeed::passed(size_t index) {
  if (index + 1 > next_) next_ = index + 1;
  {
    std::lock_guard lock(mutex_);
    dropPassed();
  }
  room_.notify_one();
}

}  // namespace velmar
