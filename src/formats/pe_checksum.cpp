#include "formats/pe_checksum.h"

namespace velmar {

namespace {

uint32_t Le16(std::span<const uint8_t> d, uint64_t at) { return d[at] | d[at + 1] << 8; }
uint32_t Le32(std::span<const uint8_t> d, uint64_t at) {
  return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | static_cast<uint32_t>(d[at + 3]) << 24;
}

constexpr uint64_t kPeOffsetField = 0x3C;
constexpr uint64_t kFileHeaderSize = 20;
constexpr uint64_t kChecksumInOptionalHeader = 64;

}  // namespace

std::optional<uint64_t> PeChecksumOffset(std::span<const uint8_t> head) {
  if (head.size() < kPeOffsetField + 4 || head[0] != 'M' || head[1] != 'Z') return std::nullopt;
  const uint64_t pe = Le32(head, kPeOffsetField);
  const uint64_t optional = pe + 4 + kFileHeaderSize;
  if (optional + kChecksumInOptionalHeader + 4 > head.size()) return std::nullopt;
  if (head[pe] != 'P' || head[pe + 1] != 'E' || head[pe + 2] != 0 || head[pe + 3] != 0) return std::nullopt;
  const uint32_t optionalSize = Le16(head, pe + 4 + 16);
  const uint32_t magic = Le16(head, optional);
  if ((magic != 0x10B && magic != 0x20B) || optionalSize < kChecksumInOptionalHeader + 4) return std::nullopt;
  return optional + kChecksumInOptionalHeader;
}

uint32_t ReadPeChecksum(std::span<const uint8_t> head, uint64_t offset) { return Le32(head, offset); }

void PeChecksumAccumulator::add(std::span<const uint8_t> bytes) {
  for (uint8_t b : bytes) {
    const bool inField = position_ >= checksumOffset_ && position_ < checksumOffset_ + 4;
    const uint64_t value = inField ? 0 : b;
    // Bytes at even positions are the low halves of words; a last odd byte
    // stands alone as a word with a zero high half.
    sum_ += (position_ & 1) ? value << 8 : value;
    ++position_;
  }
}

uint32_t PeChecksumAccumulator::result() const {
  // Folding the carries back in once at the end is the same as adding each
  // word with an end-around carry.
  uint64_t sum = sum_;
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<uint32_t>(sum + position_);
}

std::optional<uint32_t> ComputePeChecksum(std::span<const uint8_t> file) {
  const auto offset = PeChecksumOffset(file);
  if (!offset) return std::nullopt;
  PeChecksumAccumulator sum(*offset);
  sum.add(file);
  return sum.result();
}

bool StampPeChecksum(std::vector<uint8_t>& file) {
  const auto offset = PeChecksumOffset(file);
  const auto checksum = ComputePeChecksum(file);
  if (!offset || !checksum) return false;
  for (int i = 0; i < 4; ++i) file[*offset + i] = static_cast<uint8_t>(*checksum >> (8 * i));
  return true;
}

}  // namespace velmar
