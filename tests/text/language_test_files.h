#pragma once
// Hand-made group blocks for tests of damaged language files.

#include <cstdint>
#include <string>
#include <vector>

namespace velmar::langtest {

inline std::string Le(uint32_t value, int width) {
  std::string out;
  for (int i = 0; i < width; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

// One index entry: 1-based offset and length.
inline std::string Entry(uint32_t offset, uint16_t length) { return Le(offset, 4) + Le(length, 2) + Le(0, 2); }

// A group block with the given header fields, index entries and string data,
// whether or not they agree with each other.
inline std::string Block(uint16_t count, uint16_t indexSize, uint32_t dataSize, const std::vector<std::string>& entries,
                         const std::string& data) {
  std::string block(34, '\0');
  block += Le(count, 2) + Le(indexSize, 2) + Le(0, 2) + Le(dataSize, 4);
  for (const std::string& entry : entries) block += entry;
  return block + data;
}

}  // namespace velmar::langtest
