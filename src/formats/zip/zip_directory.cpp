#include "formats/zip/zip_directory.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <zlib.h>

#include "base/codepage.h"
#include "base/errors.h"
#include "formats/zip/zip_bytes.h"

namespace velmar {
namespace {

using namespace zip_bytes;

constexpr uint32_t Saturated32 = 0xFFFFFFFF;
constexpr uint16_t Saturated16 = 0xFFFF;
constexpr size_t MaxComment = 0xFFFF;
constexpr size_t ChunkSize = 256 * 1024;  // larger than any one directory entry
constexpr int64_t TicksPerSecond = 10'000'000;
constexpr int64_t UnixEpochTicks = 116'444'736'000'000'000;

[[noreturn]] void Fail(const std::string& archiveName, const std::string& reason) {
  throw InstallerError("The zip archive \"" + archiveName + "\" cannot be read: " + reason + ".");
}

// Replaces invalid UTF-8 by U+FFFD so that every later step sees valid text.
std::string ValidUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t pos = 0; pos < bytes.size();) AppendUtf8(out, NextCodePoint(bytes, pos));
  return out;
}

struct EndRecord {
  uint64_t position = 0;     // where the directory must end
  uint64_t entries = 0;
  uint64_t directorySize = 0;
  uint64_t directoryOffset = 0;
  bool zip64 = false;
  std::string comment;
};

// The directory an end record points to starts with an entry, or is empty;
// a ZIP64 locator before it counts too.
bool PlausibleEnd(ByteStream& file, uint64_t position, const uint8_t* end) {
  uint8_t signature[4];
  if (position >= Zip64LocatorSize && ReadFullyAt(file, position - Zip64LocatorSize, signature, 4) &&
      U32(signature) == Zip64LocatorSig)
    return true;
  uint64_t size = U32(end + 12), offset = U32(end + 16);
  if (offset > position || size > position - offset) return false;
  if (U16(end + 10) == 0) return size == 0 && offset == position;
  return ReadFullyAt(file, offset, signature, 4) && U32(signature) == CentralHeaderSig;
}

EndRecord ReadEndRecord(ByteStream& file, uint64_t fileSize, const std::string& name) {
  if (fileSize < EndSize) Fail(name, "the file is too short to be a zip archive");
  size_t tailSize = size_t(std::min<uint64_t>(fileSize, EndSize + MaxComment + Zip64LocatorSize));
  uint64_t tailStart = fileSize - tailSize;
  std::vector<uint8_t> tail(tailSize);
  if (!ReadFullyAt(file, tailStart, tail.data(), tailSize)) Fail(name, "the file could not be read");

  // The record whose comment ends the file and whose directory is where it
  // says (a comment may hold the signature too); else any that fits.
  std::optional<size_t> found, exact, fitting;
  for (size_t pos = tailSize - EndSize + 1; pos-- > 0;) {
    if (U32(&tail[pos]) != EndSig) continue;
    size_t end = pos + EndSize + U16(&tail[pos + 20]);
    if (end > tailSize) continue;
    if (!fitting) fitting = pos;
    if (end != tailSize) continue;
    if (!exact) exact = pos;
    if (PlausibleEnd(file, tailStart + pos, &tail[pos])) {
      found = pos;
      break;
    }
  }
  if (!found) found = exact ? exact : fitting;
  if (!found) Fail(name, "it has no end of central directory record (not a zip archive, or cut off)");
  const uint8_t* end = &tail[*found];

  EndRecord record;
  record.position = tailStart + *found;
  record.comment = DecodeToUtf8(std::string_view(reinterpret_cast<const char*>(end + EndSize), U16(end + 20)), CodePage::Cp437);
  uint16_t disk = U16(end + 4), directoryDisk = U16(end + 6);
  uint64_t entriesHere = U16(end + 8);
  record.entries = U16(end + 10);
  record.directorySize = U32(end + 12);
  record.directoryOffset = U32(end + 16);

  uint8_t locator[Zip64LocatorSize];
  if (record.position >= Zip64LocatorSize &&
      ReadFullyAt(file, record.position - Zip64LocatorSize, locator, sizeof locator) &&
      U32(locator) == Zip64LocatorSig) {
    uint64_t offset = U64(locator + 8);
    uint32_t totalDisks = U32(locator + 16);
    uint8_t end64[Zip64EndSize];
    if (totalDisks > 1) Fail(name, "it spans several disks");
    if (record.position < Zip64LocatorSize + Zip64EndSize ||
        offset > record.position - Zip64LocatorSize - Zip64EndSize ||
        !ReadFullyAt(file, offset, end64, sizeof end64) || U32(end64) != Zip64EndSig)
      Fail(name, "its ZIP64 end record is missing or damaged");
    record.zip64 = true;
    record.position = offset;
    disk = U32(end64 + 16) ? 1 : 0;
    directoryDisk = U32(end64 + 20) ? 1 : 0;
    entriesHere = U64(end64 + 24);
    record.entries = U64(end64 + 32);
    record.directorySize = U64(end64 + 40);
    record.directoryOffset = U64(end64 + 48);
  }
  if (disk != 0 || directoryDisk != 0 || entriesHere != record.entries) Fail(name, "it spans several disks");
  if (record.directoryOffset > record.position || record.directorySize > record.position - record.directoryOffset)
    Fail(name, "its central directory lies outside the file");
  return record;
}

// Reads the directory in chunks, so that its size does not matter.
class DirectoryReader {
 public:
  DirectoryReader(ByteStream& file, uint64_t offset, uint64_t size)
      : file_(file), next_(offset), left_(size) {}

  uint64_t remaining() const { return left_ + (end_ - start_); }

  // Makes `size` bytes available at data(); false when the file fails.
  bool need(size_t size) {
    if (end_ - start_ >= size) return true;
    std::copy(buffer_.begin() + start_, buffer_.begin() + end_, buffer_.begin());
    end_ -= start_;
    start_ = 0;
    size_t more = size_t(std::min<uint64_t>(left_, buffer_.size() - end_));
    if (!ReadFullyAt(file_, next_, buffer_.data() + end_, more)) return false;
    next_ += more;
    left_ -= more;
    end_ += more;
    return end_ >= size;
  }
  const uint8_t* data() const { return buffer_.data() + start_; }
  void skip(size_t size) { start_ += size; }

 private:
  ByteStream& file_;
  uint64_t next_, left_;
  std::vector<uint8_t> buffer_ = std::vector<uint8_t>(ChunkSize);
  size_t start_ = 0, end_ = 0;
};

struct ExtraFields {
  std::optional<FileTime> ntfsTime, unixTime;
  std::optional<std::string> unicodeName;
};

// Reads the ZIP64 sizes into the item and the time and name fields we use;
// false when a ZIP64 value the header asks for is missing.
bool ReadExtraFields(const uint8_t* extra, size_t size, std::string_view rawName, TAbArchiveItem& item,
                     uint16_t& diskStart, ExtraFields& fields) {
  bool needUnpacked = item.UncompressedSize == Saturated32, needPacked = item.CompressedSize == Saturated32;
  bool needOffset = item.RelativeOffset == Saturated32, needDisk = diskStart == Saturated16;
  for (size_t pos = 0; pos + 4 <= size;) {
    uint16_t id = U16(extra + pos), length = U16(extra + pos + 2);
    const uint8_t* data = extra + pos + 4;
    if (pos + 4 + length > size) break;  // a damaged tail of extra fields is ignored
    pos += 4 + length;
    if (id == 0x0001) {
      size_t at = 0;
      auto take = [&](bool needed, uint64_t& value) {
        if (!needed || at + 8 > length) return;
        value = U64(data + at);
        at += 8;
      };
      uint64_t disk = diskStart;
      take(needUnpacked, item.UncompressedSize);
      take(needPacked, item.CompressedSize);
      take(needOffset, item.RelativeOffset);
      if (needDisk && at + 4 <= length) disk = U32(data + at);
      diskStart = disk > 0 ? 1 : 0;
      needUnpacked = needPacked = needOffset = needDisk = false;
    } else if (id == 0x000A && length >= 4) {
      for (size_t at = 4; at + 4 <= length;) {
        uint16_t tag = U16(data + at), tagSize = U16(data + at + 2);
        if (at + 4 + tagSize > length) break;
        if (tag == 1 && tagSize >= 24) {
          // A time at or before 1601 is no file time; the other times stand in.
          const auto time = FileTime(U64(data + at + 4));
          if (time > 0) fields.ntfsTime = time;
        }
        at += 4 + tagSize;
      }
    } else if (id == 0x5455 && length >= 5 && (data[0] & 1)) {
      fields.unixTime = UnixEpochTicks + int64_t(int32_t(U32(data + 1))) * TicksPerSecond;
    } else if (id == 0x7075 && length >= 5 && data[0] == 1) {
      // Info-ZIP Unicode path: valid while it matches the name it stands for.
      uint32_t crc = uint32_t(crc32(0, reinterpret_cast<const Bytef*>(rawName.data()), uInt(rawName.size())));
      if (U32(data + 1) == crc) fields.unicodeName = std::string(reinterpret_cast<const char*>(data + 5), length - 5);
    }
  }
  return !(needUnpacked || needPacked || needOffset || needDisk);
}

constexpr uint8_t UnixHost = 3;

constexpr uint16_t Utf8Flag = 1 << 11;

std::string DecodeName(std::string_view raw, uint16_t flags, uint16_t versionMadeBy, const ExtraFields& fields) {
  std::string name;
  if (flags & Utf8Flag) name = ValidUtf8(raw);
  else if (fields.unicodeName) name = ValidUtf8(*fields.unicodeName);
  // zip on Unix stores the bytes of the locale's names, nowadays UTF-8, without
  // saying so; such a name read as code page 437 would be garbage.
  else if ((versionMadeBy >> 8) == UnixHost && IsValidUtf8(raw)) name = std::string(raw);
  else name = DecodeToUtf8(raw, CodePage::Cp437);
  std::replace(name.begin(), name.end(), '\\', '/');
  return name;
}

// Where each item's local header and data must end, and which items share
// bytes with another: the items in the order of their local headers, each
// reaching at least over its fixed header, its name and its data.
void LayOut(ZipDirectory& directory) {
  const auto& items = directory.items;
  std::vector<size_t> order(items.size());
  std::iota(order.begin(), order.end(), size_t(0));
  std::sort(order.begin(), order.end(),
            [&](size_t a, size_t b) { return items[a].RelativeOffset < items[b].RelativeOffset; });
  uint64_t reach = 0;  // the furthest an earlier item goes
  for (size_t k = 0, next = 0; k < order.size(); ++k) {
    const TAbArchiveItem& item = items[order[k]];
    ItemLayout& layout = directory.layouts[order[k]];
    const uint64_t start = item.RelativeOffset;
    if (next <= k) next = k + 1;
    while (next < order.size() && items[order[next]].RelativeOffset == start) ++next;
    const bool shared = next > k + 1 || (k > 0 && items[order[k - 1]].RelativeOffset == start);
    layout.limit = next < order.size() ? items[order[next]].RelativeOffset : directory.centralDirectoryOffset;
    layout.overlapped = shared || start < reach;
    reach = std::max(reach, start + LocalHeaderSize + layout.storedName.size() + item.CompressedSize);
  }
}

}  // namespace

uint32_t TAbArchiveItem::DosAttributes() const {
  using namespace attr;
  return ExternalFileAttributes & (ReadOnly | Hidden | System | Archive);
}

ZipDirectory ReadZipDirectory(ByteStream& file, const std::string& archiveName) {
  auto fileSize = file.size();
  if (!fileSize) Fail(archiveName, "its size could not be read");
  EndRecord end = ReadEndRecord(file, *fileSize, archiveName);

  ZipDirectory directory;
  directory.comment = std::move(end.comment);
  directory.centralDirectoryOffset = end.directoryOffset;
  // Every entry takes at least its fixed header: a count beyond that is a lie.
  if (end.entries > end.directorySize / CentralHeaderSize) Fail(archiveName, "its item count does not match its central directory");
  directory.items.reserve(size_t(end.entries));
  directory.layouts.reserve(size_t(end.entries));

  DirectoryReader reader(file, end.directoryOffset, end.directorySize);
  while (reader.remaining() > 0) {
    if (!reader.need(CentralHeaderSize)) Fail(archiveName, "its central directory could not be read");
    const uint8_t* h = reader.data();
    if (U32(h) != CentralHeaderSig) Fail(archiveName, "its central directory is damaged");
    size_t nameSize = U16(h + 28), extraSize = U16(h + 30), commentSize = U16(h + 32);
    size_t entrySize = CentralHeaderSize + nameSize + extraSize + commentSize;
    if (entrySize > reader.remaining()) Fail(archiveName, "its central directory is damaged");
    if (!reader.need(entrySize)) Fail(archiveName, "its central directory could not be read");
    h = reader.data();

    TAbArchiveItem item;
    item.VersionMadeBy = U16(h + 4);
    item.GeneralPurposeBitFlag = U16(h + 8);
    item.CompressionMethod = U16(h + 10);
    item.LastModFileTime = U16(h + 12);
    item.LastModFileDate = U16(h + 14);
    item.CRC32 = U32(h + 16);
    item.CompressedSize = U32(h + 20);
    item.UncompressedSize = U32(h + 24);
    uint16_t diskStart = U16(h + 34);
    item.ExternalFileAttributes = U32(h + 38);
    item.RelativeOffset = U32(h + 42);
    std::string_view rawName(reinterpret_cast<const char*>(h + CentralHeaderSize), nameSize);
    ExtraFields fields;
    if (!ReadExtraFields(h + CentralHeaderSize + nameSize, extraSize, rawName, item, diskStart, fields))
      Fail(archiveName, "an item's ZIP64 sizes are missing");
    if (diskStart != 0) Fail(archiveName, "it spans several disks");
    item.FileName = DecodeName(rawName, item.GeneralPurposeBitFlag, item.VersionMadeBy, fields);
    ItemLayout layout;
    layout.storedName = std::string(rawName);
    layout.utf8FlagMatters =
        DecodeName(rawName, item.GeneralPurposeBitFlag ^ Utf8Flag, item.VersionMadeBy, fields) != item.FileName;
    item.LastWriteTime = fields.ntfsTime ? fields.ntfsTime : fields.unixTime;
    if (item.RelativeOffset > end.directoryOffset ||
        end.directoryOffset - item.RelativeOffset < LocalHeaderSize ||
        end.directoryOffset - item.RelativeOffset - LocalHeaderSize < item.CompressedSize)
      Fail(archiveName, "the data of item \"" + item.FileName + "\" lies outside the file");
    directory.items.push_back(std::move(item));
    directory.layouts.push_back(std::move(layout));
    reader.skip(entrySize);
  }
  // Writers without ZIP64 let the 16-bit count wrap around.
  uint64_t count = directory.items.size();
  if (count != end.entries && (end.zip64 || count % 0x10000 != end.entries))
    Fail(archiveName, "its item count does not match its central directory");
  LayOut(directory);
  return directory;
}

}  // namespace velmar
