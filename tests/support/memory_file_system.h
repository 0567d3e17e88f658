#pragma once
// A file system held in memory, for tests that only need to read and write
// whole files through the seam. Paths compare without regard to case.

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "platform/files.h"

namespace velmar::testing {

class MemoryFileSystem : public platform::FileSystem {
 public:
  void put(const std::string& path, std::vector<uint8_t> data) { files_[Key(path)] = std::move(data); }
  void put(const std::string& path, std::span<const uint8_t> data) { put(path, std::vector<uint8_t>(data.begin(), data.end())); }
  std::vector<uint8_t>* get(const std::string& path) {
    auto it = files_.find(Key(path));
    return it == files_.end() ? nullptr : &it->second;
  }

  std::vector<platform::DirEntry> find(const std::string&) override { return {}; }
  std::optional<uint32_t> attributes(const std::string& path) override {
    if (!get(path)) return std::nullopt;
    return attr::Archive;
  }
  bool setAttributes(const std::string&, uint32_t) override { return false; }
  std::optional<FileTimes> fileTimes(const std::string&) override { return std::nullopt; }
  bool setFileTimes(const std::string&, const FileTimes&) override { return false; }

  std::unique_ptr<platform::OpenFile> openRead(const std::string& path) override {
    auto* data = get(path);
    if (!data) return nullptr;
    return std::make_unique<Reader>(*data);
  }
  std::unique_ptr<platform::OpenFile> create(const std::string& path) override {
    auto& data = files_[Key(path)];
    data.clear();
    return std::make_unique<Writer>(data);
  }
  std::unique_ptr<platform::OpenFile> openAppend(const std::string& path) override {
    auto* data = get(path);
    if (!data) return nullptr;
    return std::make_unique<Writer>(*data);
  }
  int deleteFile(const std::string& path) override {
    return files_.erase(Key(path)) ? 0 : platform::error::FileNotFound;
  }
  bool replaceFile(const std::string& from, const std::string& to) override {
    auto* data = get(from);
    if (!data) return false;
    auto moved = std::move(*data);
    files_.erase(Key(from));
    files_[Key(to)] = std::move(moved);
    return true;
  }
  bool createFolder(const std::string&) override { return true; }
  bool removeFolder(const std::string&) override { return true; }
  std::string currentFolder() override { return "C:\\"; }
  bool setCurrentFolder(const std::string&) override { return false; }
  platform::DriveType driveType(const std::string&) override { return platform::DriveType::Fixed; }
  std::string windowsFolder() override { return "C:\\WINDOWS"; }
  std::string systemFolder() override { return "C:\\WINDOWS\\system32"; }
  std::optional<VersionNumbers> fileVersion(const std::string&) override { return std::nullopt; }

 private:
  class Reader : public platform::OpenFile {
   public:
    explicit Reader(const std::vector<uint8_t>& data) : data_(data) {}
    int64_t read(void* buffer, size_t size) override {
      const size_t n = std::min(size, data_.size() - std::min(pos_, data_.size()));
      if (n) std::memcpy(buffer, data_.data() + pos_, n);
      pos_ += n;
      return static_cast<int64_t>(n);
    }
    int64_t write(const void*, size_t) override { return -1; }
    bool seek(uint64_t offset) override {
      pos_ = offset;
      return true;
    }
    std::optional<uint64_t> size() override { return data_.size(); }
    bool close() override { return true; }

   private:
    const std::vector<uint8_t>& data_;
    size_t pos_ = 0;
  };

  class Writer : public platform::OpenFile {
   public:
    explicit Writer(std::vector<uint8_t>& data) : data_(data) {}
    int64_t read(void*, size_t) override { return -1; }
    int64_t write(const void* data, size_t size) override {
      const auto* p = static_cast<const uint8_t*>(data);
      data_.insert(data_.end(), p, p + size);
      return static_cast<int64_t>(size);
    }
    bool seek(uint64_t) override { return false; }
    std::optional<uint64_t> size() override { return data_.size(); }
    bool close() override { return true; }

   private:
    std::vector<uint8_t>& data_;
  };

  static std::string Key(std::string path) {
    for (char& c : path) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return path;
  }

  std::map<std::string, std::vector<uint8_t>> files_;
};

}  // namespace velmar::testing
