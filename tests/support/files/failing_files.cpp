#include "support/files/failing_files.h"

#include <iterator>
#include <numeric>

#include "base/text_case.h"

namespace velmar::test {

using namespace platform;

namespace {

bool ContainsIgnoringCase(const std::string& text, const std::string& part) {
  return UpperCaseText(text).find(UpperCaseText(part)) != std::string::npos;
}

class FailingOpenFile : public OpenFile {
 public:
  FailingOpenFile(FailingFiles& owner, std::unique_ptr<OpenFile> inner, std::string path)
      : owner_(owner), inner_(std::move(inner)), path_(std::move(path)) {}

  int64_t read(void* buffer, size_t size) override {
    return owner_.fails(FileOp::Read, path_) ? -1 : inner_->read(buffer, size);
  }
  int64_t write(const void* data, size_t size) override {
    if (const FaultRule* rule = owner_.fails(FileOp::Write, path_)) {
      if (!rule->shortWrite) return -1;
      return inner_->write(data, size / 2);
    }
    return inner_->write(data, size);
  }
  bool seek(uint64_t offset) override { return !owner_.fails(FileOp::Seek, path_) && inner_->seek(offset); }
  std::optional<uint64_t> size() override {
    return owner_.fails(FileOp::Size, path_) ? std::nullopt : inner_->size();
  }
  bool setTimes(const FileTimes& times) override {
    return !owner_.fails(FileOp::SetFileTimes, path_) && inner_->setTimes(times);
  }
  bool close() override {
    const bool failed = owner_.fails(FileOp::Close, path_) != nullptr;
    return inner_->close() && !failed;
  }

 private:
  FailingFiles& owner_;
  std::unique_ptr<OpenFile> inner_;
  std::string path_;
};

}  // namespace

const char* FileOpName(FileOp op) {
  static const char* const names[] = {"Find", "Attributes", "SetAttributes", "FileTimes", "SetFileTimes",
                                      "OpenRead", "Create", "OpenAppend", "Delete", "Replace",
                                      "CreateFolder", "RemoveFolder", "SetCurrentFolder", "FileVersion",
                                      "Read", "Write", "Seek", "Size", "Close", "Any"};
  return names[static_cast<size_t>(op)];
}

void FailingFiles::addFault(FaultRule rule) {
  std::lock_guard lock(mutex_);
  rules_.push_back({std::move(rule)});
}

int FailingFiles::calls(FileOp op) const {
  std::lock_guard lock(mutex_);
  if (op != FileOp::Any) return counts_[static_cast<size_t>(op)];
  return std::accumulate(std::begin(counts_), std::end(counts_), 0);
}

const FaultRule* FailingFiles::fails(FileOp op, const std::string& path) {
  std::lock_guard lock(mutex_);
  ++counts_[static_cast<size_t>(op)];
  if (recording_) recorded_.push_back({op, path});
  const FaultRule* hit = nullptr;
  for (ActiveRule& active : rules_) {
    const FaultRule& rule = active.rule;
    if ((rule.op != op && rule.op != FileOp::Any) || (!rule.pathContains.empty() && !ContainsIgnoringCase(path, rule.pathContains))) continue;
    ++active.seen;
    if (active.seen == rule.nth || (rule.persistent && active.seen > rule.nth)) hit = hit ? hit : &rule;
  }
  if (hit) ++failures_;
  return hit;
}

std::unique_ptr<OpenFile> FailingFiles::wrap(std::unique_ptr<OpenFile> file, const std::string& path) {
  if (!file) return nullptr;
  return std::make_unique<FailingOpenFile>(*this, std::move(file), path);
}

}  // namespace velmar::test
