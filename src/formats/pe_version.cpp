#include "formats/pe_version.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace velmar {

namespace {

constexpr uint32_t RtVersion = 16;
constexpr uint32_t FixedInfoSignature = 0xFEEF04BD;
constexpr uint32_t MaxEntriesPerDirectory = 4096;

class PeReader {
 public:
  explicit PeReader(const ReadAtFn& readAt) : readAt_(readAt) {}

  std::optional<VersionNumbers> version() {
    if (!headers()) return std::nullopt;
    auto data = versionDataEntry();
    if (!data) return std::nullopt;
    return fixedFileInfo(data->first, data->second);
  }

 private:
  struct Section {
    uint32_t virtualAddress, virtualSize, rawSize, rawOffset;
  };

  std::optional<uint16_t> u16(uint64_t offset) {
    uint8_t b[2];
    if (!readAt_(offset, b, 2)) return std::nullopt;
    return static_cast<uint16_t>(b[0] | b[1] << 8);
  }
  std::optional<uint32_t> u32(uint64_t offset) {
    uint8_t b[4];
    if (!readAt_(offset, b, 4)) return std::nullopt;
    return static_cast<uint32_t>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24);
  }

  bool headers() {
    auto mz = u16(0);
    auto peOffset = u32(0x3C);
    if (!mz || *mz != 0x5A4D || !peOffset) return false;
    auto signature = u32(*peOffset);
    if (!signature || *signature != 0x00004550) return false;
    const uint64_t coff = uint64_t{*peOffset} + 4;
    auto sectionCount = u16(coff + 2);
    auto optionalSize = u16(coff + 16);
    if (!sectionCount || !optionalSize) return false;
    const uint64_t optional = coff + 20;
    auto magic = u16(optional);
    if (!magic) return false;
    uint32_t dirCountAt, dirsAt;
    if (*magic == 0x10B) {
      dirCountAt = 92, dirsAt = 96;
    } else if (*magic == 0x20B) {
      dirCountAt = 108, dirsAt = 112;
    } else {
      return false;
    }
    const uint32_t resourceDirEnd = dirsAt + 3 * 8;
    auto dirCount = u32(optional + dirCountAt);
    if (!dirCount || *dirCount < 3 || resourceDirEnd > *optionalSize) return false;
    auto rva = u32(optional + dirsAt + 16);
    auto size = u32(optional + dirsAt + 20);
    if (!rva || !size || *rva == 0 || *size == 0) return false;
    resourceRva_ = *rva;

    const uint64_t table = optional + *optionalSize;
    for (uint32_t i = 0; i < *sectionCount; ++i) {
      const uint64_t at = table + uint64_t{i} * 40;
      auto vsize = u32(at + 8), va = u32(at + 12), rawSize = u32(at + 16), raw = u32(at + 20);
      if (!vsize || !va || !rawSize || !raw) return false;
      sections_.push_back({*va, *vsize, *rawSize, *raw});
    }
    auto base = fileOffset(resourceRva_, 16);
    if (!base) return false;
    resourceBase_ = *base;
    return true;
  }

  // File offset of `size` bytes at an RVA, when they lie in one section's raw data.
  std::optional<uint64_t> fileOffset(uint32_t rva, uint32_t size) {
    for (const Section& s : sections_) {
      if (rva < s.virtualAddress) continue;
      const uint64_t inside = rva - s.virtualAddress;
      const uint64_t extent = std::min(s.rawSize, s.virtualSize ? s.virtualSize : s.rawSize);
      if (inside + size <= extent) return s.rawOffset + inside;
    }
    return std::nullopt;
  }

  // The entry of a resource directory (at an offset from the resource base)
  // with the given id, or the first entry when `id` is empty. Returns the
  // entry's target offset field.
  std::optional<uint32_t> directoryEntry(uint32_t dirOffset, std::optional<uint32_t> id) {
    const uint64_t dir = resourceBase_ + dirOffset;
    auto named = u16(dir + 12), ids = u16(dir + 14);
    if (!named || !ids) return std::nullopt;
    const uint32_t count = std::min<uint32_t>(uint32_t{*named} + *ids, MaxEntriesPerDirectory);
    for (uint32_t i = 0; i < count; ++i) {
      const uint64_t entry = dir + 16 + uint64_t{i} * 8;
      auto name = u32(entry), target = u32(entry + 4);
      if (!name || !target) return std::nullopt;
      if (!id || (!(*name & 0x80000000u) && *name == *id)) return *target;
    }
    return std::nullopt;
  }

  // Version resource: type RT_VERSION, its first name, its first language.
  std::optional<std::pair<uint64_t, uint32_t>> versionDataEntry() {
    auto typeDir = directoryEntry(0, RtVersion);
    if (!typeDir || !(*typeDir & 0x80000000u)) return std::nullopt;
    auto nameDir = directoryEntry(*typeDir & 0x7FFFFFFFu, std::nullopt);
    if (!nameDir || !(*nameDir & 0x80000000u)) return std::nullopt;
    auto langEntry = directoryEntry(*nameDir & 0x7FFFFFFFu, std::nullopt);
    if (!langEntry || (*langEntry & 0x80000000u)) return std::nullopt;
    const uint64_t dataEntry = resourceBase_ + *langEntry;
    auto dataRva = u32(dataEntry), dataSize = u32(dataEntry + 4);
    if (!dataRva || !dataSize) return std::nullopt;
    auto at = fileOffset(*dataRva, *dataSize);
    uint8_t last;
    if (!at || *dataSize == 0 || !readAt_(*at + *dataSize - 1, &last, 1)) return std::nullopt;
    return std::make_pair(*at, *dataSize);
  }

  // VS_VERSIONINFO: wLength, wValueLength, wType, L"VS_VERSION_INFO", padding
  // to 4 bytes, then VS_FIXEDFILEINFO.
  std::optional<VersionNumbers> fixedFileInfo(uint64_t at, uint32_t size) {
    static const char key[] = "VS_VERSION_INFO";
    constexpr uint32_t keyAt = 6, keyBytes = sizeof(key) * 2, valueAt = 40, fixedSize = 52;
    if (size < valueAt + fixedSize) return std::nullopt;
    auto length = u16(at), valueLength = u16(at + 2);
    if (!length || !valueLength || *length < valueAt + fixedSize || *length > size ||
        *valueLength < fixedSize)
      return std::nullopt;
    uint8_t keyData[keyBytes];
    if (!readAt_(at + keyAt, keyData, keyBytes)) return std::nullopt;
    for (uint32_t i = 0; i < sizeof(key); ++i)
      if (keyData[2 * i] != static_cast<uint8_t>(key[i]) || keyData[2 * i + 1] != 0) return std::nullopt;
    auto signature = u32(at + valueAt), ms = u32(at + valueAt + 8), ls = u32(at + valueAt + 12);
    if (!signature || *signature != FixedInfoSignature || !ms || !ls) return std::nullopt;
    return VersionNumbers{static_cast<uint16_t>(*ms >> 16), static_cast<uint16_t>(*ms & 0xFFFF),
                       static_cast<uint16_t>(*ls >> 16), static_cast<uint16_t>(*ls & 0xFFFF)};
  }

  const ReadAtFn& readAt_;
  std::vector<Section> sections_;
  uint32_t resourceRva_ = 0;
  uint64_t resourceBase_ = 0;
};

}  // namespace

std::optional<VersionNumbers> ReadPeFileVersion(const ReadAtFn& readAt) {
  return PeReader(readAt).version();
}

std::optional<VersionNumbers> ReadPeFileVersion(std::span<const uint8_t> bytes) {
  ReadAtFn readAt = [bytes](uint64_t offset, void* out, size_t size) {
    if (offset > bytes.size() || size > bytes.size() - offset) return false;
    std::memcpy(out, bytes.data() + offset, size);
    return true;
  };
  return ReadPeFileVersion(readAt);
}

std::optional<VersionNumbers> ReadPeFileVersion(ByteStream& file) {
  const auto fileSize = file.size();
  if (!fileSize) return std::nullopt;
  ReadAtFn readAt = [&](uint64_t offset, void* out, size_t size) {
    return offset <= *fileSize && size <= *fileSize - offset && ReadFullyAt(file, offset, out, size);
  };
  return ReadPeFileVersion(readAt);
}

}  // namespace velmar
