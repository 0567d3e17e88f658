#include "services/zip/zip_target.h"

#include <vector>

#include "base/path_utils.h"
#include "platform/files/file_contents.h"

namespace velmar {

FolderMaker::Result FolderMaker::ensure(const std::string& folder) {
  // Walk up to the first folder that exists, then make the missing ones downwards.
  std::vector<std::string> missing;
  std::string path = folder;
  while (!path.empty() && path.back() != ':' && !known_.count(path)) {
    auto attributes = files_.attributes(path);
    if (attributes) {
      if (!(*attributes & attr::Folder)) return Blocked;
      known_.insert(path);
      break;
    }
    missing.push_back(path);
    size_t slash = path.rfind('\\');
    if (slash == std::string::npos || slash == 0) break;
    path.resize(slash);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    // Another installer may have made it meanwhile.
    if (!files_.createFolder(*it) && !(files_.attributes(*it).value_or(0) & attr::Folder)) return Failed;
    known_.insert(*it);
    made_.insert(*it);
  }
  return Made;
}

TargetFile::Result TargetFile::create(platform::Leftover leftover) {
  // Made new in either case: a link or file put at the name since the
  // target was looked at is never written through.
  if (!existing_) {
    file_ = files_.createNew(target_);
    if (file_) {
      written_ = target_;
      return Done;
    }
    // Something has the name since it was looked at (another installer's
    // file, a link): it is replaced when this one is whole, never opened.
    if (files_.find(target_).empty()) return CreateFailed;
    existing_ = files_.attributes(target_).value_or(attr::Archive);
  }
  lock_ = files_.lockFolder(FileFolderPart(target_));
  platform::NewFile made = platform::CreateBeside(files_, target_, TemporarySuffix, leftover);
  file_ = std::move(made.file);
  written_ = std::move(made.path);
  if (file_) return Done;
  written_.clear();
  lock_.reset();
  return CreateFailed;
}

bool TargetFile::write(const void* data, size_t size) {
  return file_ && file_->write(data, size) == int64_t(size);
}

TargetFile::Result TargetFile::commit(const FileTimes& times, uint32_t attributes) {
  using namespace attr;
  file_->setTimes(times);
  bool closed = file_->close();
  file_.reset();
  if (!closed) return WriteFailed;
  if (existing_) {
    bool readOnly = (*existing_ & ReadOnly) != 0;
    if (readOnly) files_.setAttributes(target_, *existing_ & ~ReadOnly);
    if (!files_.replaceFile(written_, target_, platform::Flush::None)) {
      if (readOnly) files_.setAttributes(target_, *existing_);
      return ReplaceFailed;
    }
  }
  written_.clear();
  lock_.reset();
  if (attributes & (ReadOnly | Hidden | System)) files_.setAttributes(target_, attributes | Archive);
  return Done;
}

void TargetFile::discard() {
  if (file_) {
    file_->close();
    file_.reset();
  }
  if (!written_.empty()) {
    files_.deleteFile(written_);
    written_.clear();
  }
  lock_.reset();
}

}  // namespace velmar
