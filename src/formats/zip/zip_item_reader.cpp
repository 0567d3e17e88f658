#include "formats/zip/zip_item_reader.h"

#include <algorithm>
#include <zlib.h>

#include "formats/zip/zip_bytes.h"

namespace velmar {

using namespace zip_bytes;

struct ZipItemReader::Inflater {
  z_stream stream{};
  bool ready = false;
  ~Inflater() {
    if (ready) inflateEnd(&stream);
  }
  // One raw-Deflate state for all items; a reset is much cheaper than a new one.
  bool start() {
    if (ready) return inflateReset(&stream) == Z_OK;
    ready = inflateInit2(&stream, -MAX_WBITS) == Z_OK;
    return ready;
  }
};

namespace {

// A little more than a local header usually takes, so that small items need one read.
constexpr size_t LocalHeaderAllowance = LocalHeaderSize + 1024;

uint32_t Crc(uint32_t crc, const uint8_t* data, size_t size) {
  return uint32_t(crc32(crc, data, uInt(size)));
}

// Reads at least `minimum` and at most `size` bytes; the count, or -1.
int64_t ReadAtLeast(ByteStream& file, uint8_t* buffer, size_t minimum, size_t size) {
  size_t got = 0;
  while (got < minimum) {
    int64_t n = file.read(buffer + got, size - got);
    if (n < 0) return -1;
    if (n == 0) break;
    got += size_t(n);
  }
  return int64_t(got);
}

}  // namespace

int UnreadableReason(const TAbArchiveItem& item) {
  if (item.IsEncrypted()) return zip_error::Encrypted;
  if (item.CompressionMethod == zip_method::Stored) {
    if (item.CompressedSize > item.UncompressedSize) return zip_error::TooLarge;
    if (item.CompressedSize < item.UncompressedSize) return zip_error::TooSmall;
    return 0;
  }
  return item.CompressionMethod == zip_method::Deflated ? 0 : zip_error::UnknownMethod;
}

ZipItemReader::ZipItemReader(size_t blockSize)
    : input_(blockSize), output_(blockSize), inflater_(std::make_unique<Inflater>()) {}

ZipItemReader::~ZipItemReader() = default;

ItemOutcome ZipItemReader::begin(ByteStream& archive, const ZipDirectory& directory, size_t index) {
  const TAbArchiveItem& item = directory.items.at(index);
  const ItemLayout& layout = directory.layouts.at(index);
  const uint64_t offset = item.RelativeOffset, dataEnd = directory.centralDirectoryOffset;
  inputStart_ = inputEnd_ = 0;
  packedLeft_ = 0;
  if (offset >= dataEnd || !archive.seek(offset)) return ItemOutcome::Failure(zip_error::BadLocalHeader);

  uint64_t wanted = std::min<uint64_t>({input_.size(), dataEnd - offset, LocalHeaderAllowance + item.CompressedSize});
  int64_t got = ReadAtLeast(archive, input_.data(), LocalHeaderSize, size_t(wanted));
  if (got < 0) return ItemOutcome::Failure(zip_error::ReadFailed);
  if (size_t(got) < LocalHeaderSize || U32(input_.data()) != LocalHeaderSig)
    return ItemOutcome::Failure(zip_error::BadLocalHeader);
  if (layout.overlapped) return ItemOutcome::Failure(zip_error::Overlapping);
  // 0 when the item's bytes up to `end` are its own.
  auto beyond = [&](uint64_t end) {
    return end > dataEnd ? zip_error::BadLocalHeader : end > layout.limit ? zip_error::Overlapping : 0;
  };

  const size_t nameSize = U16(&input_[26]), headerSize = LocalHeaderSize + nameSize + U16(&input_[28]);
  if (nameSize != layout.storedName.size()) return ItemOutcome::Failure(zip_error::LocalNameDiffers);
  if (int code = beyond(offset + LocalHeaderSize + nameSize)) return ItemOutcome::Failure(code);
  std::string longName;
  std::string_view name;
  if (size_t(got) >= LocalHeaderSize + nameSize) {
    name = std::string_view(reinterpret_cast<const char*>(&input_[LocalHeaderSize]), nameSize);
  } else {
    longName.resize(nameSize);
    if (!ReadFullyAt(archive, offset + LocalHeaderSize, longName.data(), nameSize))
      return ItemOutcome::Failure(zip_error::ReadFailed);
    name = longName;
  }
  // The same bytes, read the same way: a differing UTF-8 flag counts only where it changes the name.
  const bool flagsDiffer = ((U16(&input_[6]) ^ item.GeneralPurposeBitFlag) & (1 << 11)) != 0;
  if (name != layout.storedName || (flagsDiffer && layout.utf8FlagMatters))
    return ItemOutcome::Failure(zip_error::LocalNameDiffers);

  const uint64_t dataStart = offset + headerSize;
  if (int code = beyond(dataStart + item.CompressedSize)) return ItemOutcome::Failure(code);
  if (size_t(got) < headerSize) {
    // The rest of the header (extra fields) is not needed, and may be
    // longer than a block: go past it to the data.
    if (!archive.seek(dataStart)) return ItemOutcome::Failure(zip_error::ReadFailed);
  } else {
    inputStart_ = headerSize;
    inputEnd_ = size_t(std::min<uint64_t>(uint64_t(got), headerSize + item.CompressedSize));
  }
  packedLeft_ = item.CompressedSize - (inputEnd_ - inputStart_);
  return {};
}

ItemOutcome ZipItemReader::readData(ByteStream& archive, const TAbArchiveItem& item, const ItemSink& sink) {
  return item.CompressionMethod == zip_method::Stored ? readStored(archive, item, sink)
                                                      : readDeflated(archive, item, sink);
}

ItemOutcome ZipItemReader::read(ByteStream& archive, const ZipDirectory& directory, size_t index,
                                const ItemSink& sink) {
  const TAbArchiveItem& item = directory.items.at(index);
  if (int reason = UnreadableReason(item)) return ItemOutcome::Failure(reason);
  ItemOutcome header = begin(archive, directory, index);
  return header.status == ItemOutcome::Done ? readData(archive, item, sink) : header;
}

int64_t ZipItemReader::fill(ByteStream& archive, int& errorCode) {
  if (inputStart_ < inputEnd_) return int64_t(inputEnd_ - inputStart_);
  if (packedLeft_ == 0) return 0;
  int64_t n = archive.read(input_.data(), size_t(std::min<uint64_t>(packedLeft_, input_.size())));
  if (n <= 0) {
    errorCode = n < 0 ? zip_error::ReadFailed : zip_error::Truncated;
    return -1;
  }
  inputStart_ = 0;
  inputEnd_ = size_t(n);
  packedLeft_ -= uint64_t(n);
  return n;
}

ItemOutcome ZipItemReader::readStored(ByteStream& archive, const TAbArchiveItem& item, const ItemSink& sink) {
  uint32_t crc = 0;
  int errorCode = 0;
  for (;;) {
    int64_t n = fill(archive, errorCode);
    if (n < 0) return ItemOutcome::Failure(errorCode);
    if (n == 0) break;
    const uint8_t* data = input_.data() + inputStart_;
    inputStart_ = inputEnd_;
    crc = Crc(crc, data, size_t(n));
    if (!sink(data, size_t(n))) return {ItemOutcome::Stopped};
  }
  return crc == item.CRC32 ? ItemOutcome{} : ItemOutcome::Failure(zip_error::BadCrc);
}

ItemOutcome ZipItemReader::readDeflated(ByteStream& archive, const TAbArchiveItem& item,
                                        const ItemSink& sink) {
  if (!inflater_->start()) return ItemOutcome::Failure(0, TAbErrorClass::ecOther);
  z_stream& z = inflater_->stream;
  z.avail_in = 0;
  uint64_t produced = 0;
  uint32_t crc = 0;
  int errorCode = 0;
  for (;;) {
    if (z.avail_in == 0) {
      int64_t n = fill(archive, errorCode);
      if (n < 0) return ItemOutcome::Failure(errorCode);
      z.next_in = input_.data() + inputStart_;
      z.avail_in = uInt(n);
      inputStart_ = inputEnd_;
    }
    z.next_out = output_.data();
    z.avail_out = uInt(output_.size());
    int result = inflate(&z, Z_NO_FLUSH);
    size_t have = output_.size() - z.avail_out;
    if (have > 0) {
      // Stop a bomb at its declared size, before any byte beyond it is written.
      if (have > item.UncompressedSize - produced) return ItemOutcome::Failure(zip_error::TooLarge);
      produced += have;
      crc = Crc(crc, output_.data(), have);
      if (!sink(output_.data(), have)) return {ItemOutcome::Stopped};
    }
    if (result == Z_STREAM_END) break;
    if (result == Z_MEM_ERROR) return ItemOutcome::Failure(0, TAbErrorClass::ecOther);
    // Z_BUF_ERROR comes only when all input is used up before the end code.
    if (result != Z_OK) return ItemOutcome::Failure(zip_error::BadData);
  }
  if (produced != item.UncompressedSize) return ItemOutcome::Failure(zip_error::TooSmall);
  return crc == item.CRC32 ? ItemOutcome{} : ItemOutcome::Failure(zip_error::BadCrc);
}

}  // namespace velmar
