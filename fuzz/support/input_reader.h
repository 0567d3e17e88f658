#pragma once
// Fuzz input taken apart from the front: control bytes, then the rest.

#include <cstddef>
#include <cstdint>
#include <string>

namespace velmar::fuzz {

class InputReader {
 public:
  InputReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::string rest() { return std::string(reinterpret_cast<const char*>(data_) + pos_, size_ - pos_); }

 private:
  const uint8_t* data_;
  size_t size_, pos_ = 0;
};

}  // namespace velmar::fuzz
