#pragma once
// The file-system side of extraction: folders made once, and each file
// written under a temporary name beside its target, put in place only when
// complete, so that a failed item leaves the target as it was.

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "platform/files/file_contents.h"
#include "platform/files/file_system.h"

namespace velmar {

class FolderMaker {
 public:
  enum Result { Made, Blocked, Failed };  // Blocked: a file stands where a folder belongs

  explicit FolderMaker(platform::FileSystem& files) : files_(files) {}
  // Makes the folder and its missing parents (a Windows path, no trailing "\").
  Result ensure(const std::string& folder);
  // Whether this run made the folder: it holds only what the run put there.
  bool madeHere(const std::string& folder) const { return made_.count(folder) > 0; }

 private:
  platform::FileSystem& files_;
  std::set<std::string> known_;  // folders seen or made in this run
  std::set<std::string> made_;
};

// A new file is written under its own name and removed again when the item
// fails. A file that replaces an existing one is written under a temporary
// name beside it and renamed over it only when complete, so a failed item
// leaves the existing file as it was.
class TargetFile {
 public:
  enum Result { Done, CreateFailed, WriteFailed, ReplaceFailed };
  static constexpr const char* TemporarySuffix = ".vz~";

  // `existing`: the attributes of the file to replace, none for a new file.
  TargetFile(platform::FileSystem& files, std::string target, std::optional<uint32_t> existing)
      : files_(files), target_(std::move(target)), existing_(existing) {}
  ~TargetFile() { discard(); }
  TargetFile(const TargetFile&) = delete;
  TargetFile& operator=(const TargetFile&) = delete;

  // A file that replaces another is written as target + suffix, or with a
  // number added when that name is taken; a file left there by a stopped run
  // is removed first, unless `leftover` says this run made it.
  Result create(platform::Leftover leftover);
  bool write(const void* data, size_t size);
  // Sets the times, closes, puts the file in place, then sets the attributes
  // (read-only, hidden, system; archive is always set). A read-only file to
  // replace (its overwrite was confirmed) loses that bit first, and gets it
  // back when it cannot be replaced.
  Result commit(const FileTimes& times, uint32_t attributes);
  // Removes what was written, if anything.
  void discard();

 private:
  platform::FileSystem& files_;
  std::string target_;
  std::optional<uint32_t> existing_;
  std::string written_;  // the file being written: the target or the temporary file
  std::unique_ptr<platform::OpenFile> file_;
  std::unique_ptr<platform::HeldLock> lock_;  // the folder's, while a temporary file is in it
};

}  // namespace velmar
