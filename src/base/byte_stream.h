#pragma once
// Bytes read from positions: an open file, or an archive held in memory.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace velmar {

class ByteStream {
 public:
  virtual ~ByteStream() = default;
  // Bytes read (0 at the end), or -1 when the read failed.
  virtual int64_t read(void* buffer, size_t size) = 0;
  virtual bool seek(uint64_t offset) = 0;
  virtual std::optional<uint64_t> size() = 0;
};

// The bytes of a text read from a file, for the decoders of binary formats.
inline std::span<const uint8_t> AsBytes(std::string_view bytes) {
  return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

// Exactly `size` bytes from `offset`; false when the stream ends first or fails.
bool ReadFullyAt(ByteStream& stream, uint64_t offset, void* buffer, size_t size);

}  // namespace velmar
