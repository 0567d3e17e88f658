#pragma once
// A whole file system in memory for the fuzz targets: files and folders with
// attributes and times, Windows path rules (case ignored, "." and ".."
// resolved the way Windows reads a path), and a quota that makes writes fail
// like a full disk. Reads may be cut into short pieces, as a network drive
// delivers them, so that readers prove they loop.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"

namespace velmar::fuzz {

class MemoryFileSystem : public platform::FileSystem {
 public:
  struct Node {
    std::string path;  // as first written, resolved
    bool folder = false;
    uint32_t attributes = 0;
    FileTimes times;
    std::shared_ptr<std::string> bytes = std::make_shared<std::string>();
  };

  // Drives "C:" and "D:" exist; everything else is made by the caller.
  MemoryFileSystem();

  void addFolder(const std::string& path);
  void addFile(const std::string& path, std::string bytes, uint32_t attributes = 0);
  // Every read hands out at most this many bytes (0: as many as asked).
  void setReadPiece(size_t bytes) { readPiece_ = bytes; }
  // Writes beyond this many bytes in all fail as on a full disk.
  void setQuota(uint64_t bytes) { quota_ = bytes; }

  // Resolved, upper-cased: the key of a path.
  static std::string Key(const std::string& path);
  static std::string Resolve(const std::string& path);
  const std::map<std::string, Node>& nodes() const { return nodes_; }
  const Node* node(const std::string& path) const;

  std::vector<platform::DirEntry> find(const std::string& pattern) override;
  std::optional<uint32_t> attributes(const std::string& path) override;
  bool setAttributes(const std::string& path, uint32_t attributes) override;
  std::optional<FileTimes> fileTimes(const std::string& path) override;
  bool setFileTimes(const std::string& path, const FileTimes& times) override;
  std::unique_ptr<platform::OpenFile> openRead(const std::string& path) override;
  std::unique_ptr<platform::OpenFile> create(const std::string& path) override;
  std::unique_ptr<platform::OpenFile> openAppend(const std::string& path) override;
  int deleteFile(const std::string& path) override;
  bool replaceFile(const std::string& from, const std::string& to) override;
  bool createFolder(const std::string& path) override;
  bool removeFolder(const std::string& path) override;
  std::string currentFolder() override { return "C:\\"; }
  bool setCurrentFolder(const std::string& path) override;
  platform::DriveType driveType(const std::string& root) override;
  std::string windowsFolder() override { return "C:\\Windows"; }
  std::string systemFolder() override { return "C:\\Windows\\System32"; }
  std::optional<VersionNumbers> fileVersion(const std::string& path) override;

  // Bytes written so far against the quota; used by the open files.
  uint64_t& written() { return written_; }
  uint64_t quota() const { return quota_; }
  size_t readPiece() const { return readPiece_; }

 private:
  Node* find(const std::string& path, bool folder);
  bool parentExists(const std::string& path) const;
  std::unique_ptr<platform::OpenFile> openWrite(Node& node, bool append);

  std::map<std::string, Node> nodes_;
  size_t readPiece_ = 0;
  uint64_t quota_ = UINT64_MAX;
  uint64_t written_ = 0;
};

// Fuzz input taken apart from the front: control bytes, then the rest.
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
