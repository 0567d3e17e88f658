#pragma once
// The checksum of a Windows program file, kept in the CheckSum field of its
// optional header: the 16-bit one's-complement sum of the file's little-endian
// words, with the field itself counted as zero, plus the file's length. This is
// how the system's image help library computes it, so its tools agree.
//
// Only standard headers: the build also compiles this file for the machine it
// runs on, to stamp the programs it links.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace velmar {

// Where the CheckSum field lies, from the file's first bytes (the DOS stub
// header and the PE headers must be among them). No value for a file that is
// not a PE program.
std::optional<uint64_t> PeChecksumOffset(std::span<const uint8_t> head);

uint32_t ReadPeChecksum(std::span<const uint8_t> head, uint64_t offset);

// Sums a file given piece by piece, in order, in pieces of any length.
class PeChecksumAccumulator {
 public:
  explicit PeChecksumAccumulator(uint64_t checksumOffset) : checksumOffset_(checksumOffset) {}
  void add(std::span<const uint8_t> bytes);
  uint32_t result() const;

 private:
  uint64_t checksumOffset_;
  uint64_t position_ = 0;
  uint64_t sum_ = 0;
};

// Checksum of a whole file; no value when it is not a PE program.
std::optional<uint32_t> ComputePeChecksum(std::span<const uint8_t> file);
// Writes the checksum into the file's header; false when it is not a PE program.
bool StampPeChecksum(std::vector<uint8_t>& file);

}  // namespace velmar
