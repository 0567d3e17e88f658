#include "base/byte_stream.h"

namespace velmar {

bool ReadFullyAt(ByteStream& stream, uint64_t offset, void* buffer, size_t size) {
  if (!stream.seek(offset)) return false;
  auto* out = static_cast<uint8_t*>(buffer);
  while (size > 0) {
    const int64_t got = stream.read(out, size);
    if (got <= 0) return false;
    out += got;
    size -= static_cast<size_t>(got);
  }
  return true;
}

}  // namespace velmar
