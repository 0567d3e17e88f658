#pragma once
// The file-system side of extraction: folders made once, and each file
// written under a temporary name beside its target, put in place only when
// complete, so that a failed item leaves the target as it was.

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "platform/files.h"

namespace velmar {

class FolderMaker {
 public:
  enum Result { Made, Blocked, Failed };  // Blocked: a file stands where a folder belongs

  explicit FolderMaker(platform::FileSystem& files) : files_(files) {}
  // Makes the folder and its missing parents (a Windows path, no trailing "\").
  Result ensure(const std::string& folder);

 private:
  platform::FileSystem& files_;
  std::set<std::string> known_;  // folders seen or made in this run
};

class TargetFile {
 public:
  enum Result { Done, CreateFailed, WriteFailed, ReplaceFailed };

  TargetFile(platform::FileSystem& files, std::string target) : files_(files), target_(std::move(target)) {}
  ~TargetFile() { discard(); }
  TargetFile(const TargetFile&) = delete;
  TargetFile& operator=(const TargetFile&) = delete;

  // Creates the temporary file beside the target.
  Result create();
  bool write(const void* data, size_t size);
  // Closes, sets the times, replaces the target, then sets the attributes
  // (read-only, hidden, system; archive is always set). A target that is
  // read-only (its overwrite was confirmed) loses that bit first, and gets
  // it back when it cannot be replaced.
  Result commit(const platform::FileTimes& times, uint32_t attributes, std::optional<uint32_t> existing);
  // Removes the temporary file, if any.
  void discard();

 private:
  platform::FileSystem& files_;
  std::string target_, temporary_;
  std::unique_ptr<platform::OpenFile> file_;
};

}  // namespace velmar
