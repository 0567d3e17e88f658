#pragma once
// An open file over bytes in memory, for readers that take a platform::OpenFile.

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/files.h"

namespace velmar::test {

class MemoryFile : public platform::OpenFile {
 public:
  explicit MemoryFile(std::string bytes) : bytes_(std::move(bytes)) {}

  int64_t read(void* buffer, size_t size) override {
    size_t n = position_ < bytes_.size() ? std::min(size, bytes_.size() - position_) : 0;
    std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return int64_t(n);
  }
  int64_t write(const void*, size_t) override { return -1; }
  bool seek(uint64_t offset) override {
    position_ = size_t(offset);
    return true;
  }
  std::optional<uint64_t> size() override { return bytes_.size(); }
  bool close() override { return true; }

 private:
  std::string bytes_;
  size_t position_ = 0;
};

}  // namespace velmar::test
