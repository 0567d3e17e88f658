#pragma once
// A whole file system in memory, for tests and fuzz targets: files and
// folders with attributes and times, Windows path rules (names compared
// without regard to case, "." and ".." resolved the way Windows reads a
// path), find with FindFirstFile wildcards in the order NTFS lists a folder,
// and a quota that makes writes fail like a full disk. Reads may be cut into
// short pieces, as a network drive delivers them, so that readers prove they
// loop.
//
//   MemoryFileSystem files;                      // C:\ (fixed) and D:\ (CD-ROM)
//   files.addFile("D:\\Setup.ini", "[Config]");  // its folders are made too
//   files.setReadPiece(3);

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/files/file_system.h"

namespace velmar::test {

class MemoryFileSystem;

// An open file over bytes in memory. Made on its own, it reads its own copy
// of the bytes given, for readers that take a platform::OpenFile.
class MemoryFile : public platform::OpenFile {
 public:
  explicit MemoryFile(std::string bytes);
  // A file of owner: shares the bytes with it, reads in owner's pieces and
  // writes against owner's quota.
  MemoryFile(MemoryFileSystem& owner, std::shared_ptr<std::string> bytes, bool writable, uint64_t position);

  int64_t read(void* buffer, size_t size) override;
  int64_t write(const void* data, size_t size) override;
  bool seek(uint64_t offset) override {
    position_ = offset;
    return true;
  }
  std::optional<uint64_t> size() override { return bytes_->size(); }
  // Those of the file whose bytes these are, wherever it was moved since.
  bool setTimes(const FileTimes& times) override;
  bool close() override { return true; }

 private:
  MemoryFileSystem* owner_ = nullptr;
  std::shared_ptr<std::string> bytes_;
  bool writable_ = false;
  uint64_t position_ = 0;
};

class MemoryFileSystem : public platform::FileSystem {
 public:
  struct Node {
    std::string path;  // as first written, resolved
    bool folder = false;
    uint32_t attributes = 0;
    FileTimes times;
    std::shared_ptr<std::string> bytes = std::make_shared<std::string>();
  };

  MemoryFileSystem();

  // Make what is missing on the way; a file is replaced.
  void addFolder(const std::string& path);
  void addFile(const std::string& path, std::string bytes, uint32_t attributes = 0);
  // Every read hands out at most this many bytes (0: as many as asked).
  void setReadPiece(size_t bytes) { readPiece_ = bytes; }
  // Writes beyond this many bytes in all fail as on a full disk.
  void setQuota(uint64_t bytes) { quota_ = bytes; }

  // Full path against the current folder, no trailing backslash but at a root.
  std::string Resolve(const std::string& path) const;
  // Resolved and upper-cased: the key of a path in nodes().
  std::string Key(const std::string& path) const;
  const std::map<std::string, Node>& nodes() const { return nodes_; }
  const Node* node(const std::string& path) const;

  std::vector<platform::DirEntry> find(const std::string& pattern) override;
  std::optional<uint32_t> attributes(const std::string& path) override;
  bool setAttributes(const std::string& path, uint32_t attributes) override;
  std::optional<FileTimes> fileTimes(const std::string& path) override;
  bool setFileTimes(const std::string& path, const FileTimes& times) override;
  std::unique_ptr<platform::OpenFile> openRead(const std::string& path) override;
  std::unique_ptr<platform::OpenFile> create(const std::string& path) override;
  std::unique_ptr<platform::OpenFile> createNew(const std::string& path) override;
  std::unique_ptr<platform::OpenFile> openAppend(const std::string& path) override;
  int deleteFile(const std::string& path) override;
  bool replaceFile(const std::string& from, const std::string& to, platform::Flush flush) override;
  bool createFolder(const std::string& path) override;
  bool removeFolder(const std::string& path) override;
  // Without links, a place is known by its resolved name.
  std::optional<platform::FileIdentity> identity(const std::string& path) override;
  std::vector<platform::FileIdentity> placeChain(const std::string& path) override;
  // One program alone uses the memory: there is no one to wait for.
  std::unique_ptr<platform::HeldLock> lockFolder(const std::string& folder) override;
  std::string currentFolder() override { return current_; }
  bool setCurrentFolder(const std::string& path) override;
  platform::DriveType driveType(const std::string& root) override;
  std::string windowsFolder() override { return "C:\\Windows"; }
  std::string systemFolder() override { return "C:\\Windows\\System32"; }
  std::optional<VersionNumbers> fileVersion(const std::string& path) override;

 private:
  friend class MemoryFile;
  Node* at(const std::string& path);
  Node* find(const std::string& path, bool folder);
  bool parentExists(const std::string& path) const;

  std::map<std::string, Node> nodes_;
  std::string current_ = "C:\\";
  size_t readPiece_ = 0;
  uint64_t quota_ = UINT64_MAX;
  uint64_t written_ = 0;
};

}  // namespace velmar::test
