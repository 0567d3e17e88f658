#pragma once
// A file system that passes every call to another one, except the calls a
// test chose to fail: the Nth open, read, write, create ... (optionally only
// on paths containing a text, optionally every call from then on). Lets tests
// prove what a procedure does when a step fails in its middle.
//
//   TempDrive drive;
//   FailingFiles files(drive.fs());
//   files.failAt(FileOp::Write, 3);               // the third write fails
//   files.addFault({.op = FileOp::Create, .pathContains = "Setup.ini"});
//
// Files opened through it must be closed or destroyed before it is. Calls
// may come from several threads (an archive read on one, files written on
// another); the Nth call is the Nth in the order they arrive.

#include <mutex>
#include <string>
#include <vector>

#include "platform/files/file_system.h"

namespace velmar::test {

enum class FileOp {
  Find, Attributes, SetAttributes, FileTimes, SetFileTimes,
  OpenRead, Create, OpenAppend, Delete, Replace,
  CreateFolder, RemoveFolder, SetCurrentFolder, FileVersion,
  // Calls on open files; their path is the one the file was opened with.
  Read, Write, Seek, Size, Close,
  // In a rule: a call of any kind (the nth call of the file service).
  Any,
};

// "OpenRead", "Write", ...
const char* FileOpName(FileOp op);

// One call as the file service saw it.
struct FileCall {
  FileOp op;
  std::string path;
};

struct FaultRule {
  FileOp op;
  int nth = 1;                // the nth matching call from now fails (1: the next one)
  bool persistent = false;    // and every matching call after it
  std::string pathContains = {};  // only calls on paths containing this (case ignored); empty: all
  bool shortWrite = false;    // a failing write stores half the bytes and reports that (disk full)
};

class FailingFiles : public platform::FileSystem {
 public:
  explicit FailingFiles(platform::FileSystem& inner) : inner_(inner) {}

  void addFault(FaultRule rule);
  void failAt(FileOp op, int nth, bool persistent = false) { addFault({op, nth, persistent}); }
  void clearFaults() {
    std::lock_guard lock(mutex_);
    rules_.clear();
  }

  // Calls of an operation so far (failed ones included); Any: of every kind.
  int calls(FileOp op) const;
  // Calls that were made to fail.
  int failures() const {
    std::lock_guard lock(mutex_);
    return failures_;
  }
  // Keeps every call from now on, in order (the kind and path of call n of a
  // later run, for a test that fails call n).
  void recordCalls(bool on) {
    std::lock_guard lock(mutex_);
    recording_ = on;
  }
  const std::vector<FileCall>& recordedCalls() const { return recorded_; }

  // Decides one call; used by the wrapped files too.
  const FaultRule* fails(FileOp op, const std::string& path);

  std::vector<platform::DirEntry> find(const std::string& pattern) override {
    return fails(FileOp::Find, pattern) ? std::vector<platform::DirEntry>{} : inner_.find(pattern);
  }
  std::optional<uint32_t> attributes(const std::string& path) override {
    return fails(FileOp::Attributes, path) ? std::nullopt : inner_.attributes(path);
  }
  bool setAttributes(const std::string& path, uint32_t attributes) override {
    return !fails(FileOp::SetAttributes, path) && inner_.setAttributes(path, attributes);
  }
  std::optional<FileTimes> fileTimes(const std::string& path) override {
    return fails(FileOp::FileTimes, path) ? std::nullopt : inner_.fileTimes(path);
  }
  bool setFileTimes(const std::string& path, const FileTimes& times) override {
    return !fails(FileOp::SetFileTimes, path) && inner_.setFileTimes(path, times);
  }
  std::unique_ptr<platform::OpenFile> openRead(const std::string& path) override {
    return fails(FileOp::OpenRead, path) ? nullptr : wrap(inner_.openRead(path), path);
  }
  std::unique_ptr<platform::OpenFile> create(const std::string& path) override {
    return fails(FileOp::Create, path) ? nullptr : wrap(inner_.create(path), path);
  }
  // A new file is a created file to the rules.
  std::unique_ptr<platform::OpenFile> createNew(const std::string& path) override {
    return fails(FileOp::Create, path) ? nullptr : wrap(inner_.createNew(path), path);
  }
  std::unique_ptr<platform::OpenFile> openAppend(const std::string& path) override {
    return fails(FileOp::OpenAppend, path) ? nullptr : wrap(inner_.openAppend(path), path);
  }
  int deleteFile(const std::string& path) override {
    // A failing delete is refused as a file in use or read-only is.
    return fails(FileOp::Delete, path) ? platform::error::AccessDenied : inner_.deleteFile(path);
  }
  // A rule's path may name either end of the rename.
  bool replaceFile(const std::string& from, const std::string& to, platform::Flush flush) override {
    return !fails(FileOp::Replace, from + "|" + to) && inner_.replaceFile(from, to, flush);
  }
  bool createFolder(const std::string& path) override {
    return !fails(FileOp::CreateFolder, path) && inner_.createFolder(path);
  }
  bool removeFolder(const std::string& path) override {
    return !fails(FileOp::RemoveFolder, path) && inner_.removeFolder(path);
  }
  std::optional<platform::FileIdentity> identity(const std::string& path) override { return inner_.identity(path); }
  std::vector<platform::FileIdentity> placeChain(const std::string& path) override {
    return inner_.placeChain(path);
  }
  std::unique_ptr<platform::HeldLock> lockFolder(const std::string& folder) override {
    return inner_.lockFolder(folder);
  }
  std::string currentFolder() override { return inner_.currentFolder(); }
  bool setCurrentFolder(const std::string& path) override {
    return !fails(FileOp::SetCurrentFolder, path) && inner_.setCurrentFolder(path);
  }
  platform::DriveType driveType(const std::string& root) override { return inner_.driveType(root); }
  std::string windowsFolder() override { return inner_.windowsFolder(); }
  std::string systemFolder() override { return inner_.systemFolder(); }
  std::optional<VersionNumbers> fileVersion(const std::string& path) override {
    return fails(FileOp::FileVersion, path) ? std::nullopt : inner_.fileVersion(path);
  }

 private:
  struct ActiveRule {
    FaultRule rule;
    int seen = 0;
  };
  std::unique_ptr<platform::OpenFile> wrap(std::unique_ptr<platform::OpenFile> file, const std::string& path);

  platform::FileSystem& inner_;
  mutable std::mutex mutex_;
  std::vector<ActiveRule> rules_;
  int counts_[static_cast<size_t>(FileOp::Any)] = {};
  int failures_ = 0;
  bool recording_ = false;
  std::vector<FileCall> recorded_;
};

}  // namespace velmar::test
