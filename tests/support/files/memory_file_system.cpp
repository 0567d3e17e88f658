#include "support/files/memory_file_system.h"

#include <algorithm>
#include <cstring>

#include "formats/pe_version.h"
#include "base/wildcard.h"
#include "base/path_utils.h"
#include "base/text_case.h"

namespace velmar::test {

using platform::DirEntry;
using platform::OpenFile;

MemoryFile::MemoryFile(std::string bytes) : bytes_(std::make_shared<std::string>(std::move(bytes))) {}

MemoryFile::MemoryFile(MemoryFileSystem& owner, std::shared_ptr<std::string> bytes, bool writable, uint64_t position)
    : owner_(&owner), bytes_(std::move(bytes)), writable_(writable), position_(position) {}

int64_t MemoryFile::read(void* buffer, size_t size) {
  if (position_ >= bytes_->size()) return 0;
  size_t count = size_t(std::min<uint64_t>(size, bytes_->size() - position_));
  if (owner_ && owner_->readPiece_ > 0) count = std::min(count, owner_->readPiece_);
  std::memcpy(buffer, bytes_->data() + position_, count);
  position_ += count;
  return int64_t(count);
}

int64_t MemoryFile::write(const void* data, size_t size) {
  if (!writable_) return -1;
  const uint64_t room = owner_->quota_ - std::min(owner_->quota_, owner_->written_);
  const size_t count = size_t(std::min<uint64_t>(size, room));
  if (position_ > bytes_->size()) bytes_->resize(size_t(position_));
  bytes_->replace(size_t(position_), std::min<size_t>(count, bytes_->size() - size_t(position_)),
                  static_cast<const char*>(data), count);
  position_ += count;
  owner_->written_ += count;
  return int64_t(count);
}

namespace {

std::string ParentKey(const std::string& key) {
  size_t slash = key.rfind('\\');
  if (slash == std::string::npos) return "";
  return slash == 2 ? key.substr(0, 3) : key.substr(0, slash);
}

bool IsRoot(const std::string& key) { return key.size() == 3 && key[1] == ':' && key[2] == '\\'; }

MemoryFileSystem::Node NewNode(std::string path, bool folder) {
  MemoryFileSystem::Node node;
  node.path = std::move(path);
  node.folder = folder;
  node.attributes = folder ? attr::Folder : attr::Archive;
  return node;
}

}  // namespace

MemoryFileSystem::MemoryFileSystem() {
  for (const char* root : {"C:\\", "D:\\"}) nodes_[root] = NewNode(root, true);
}

std::string MemoryFileSystem::Resolve(const std::string& path) const {
  std::string full = FullPathName(path, current_);
  if (full.size() == 2 && full[1] == ':') full += '\\';
  if (full.size() > 3 && full.back() == '\\') full.pop_back();
  return full;
}

std::string MemoryFileSystem::Key(const std::string& path) const { return UpperCaseText(Resolve(path)); }

const MemoryFileSystem::Node* MemoryFileSystem::node(const std::string& path) const {
  auto found = nodes_.find(Key(path));
  return found == nodes_.end() ? nullptr : &found->second;
}

MemoryFileSystem::Node* MemoryFileSystem::at(const std::string& path) {
  auto found = nodes_.find(Key(path));
  return found == nodes_.end() ? nullptr : &found->second;
}

MemoryFileSystem::Node* MemoryFileSystem::find(const std::string& path, bool folder) {
  Node* found = at(path);
  return found && found->folder == folder ? found : nullptr;
}

bool MemoryFileSystem::parentExists(const std::string& path) const {
  std::string key = Key(path);
  if (IsRoot(key) || key.size() < 3 || key[1] != ':' || key[2] != '\\') return false;  // no UNC paths here
  auto parent = nodes_.find(ParentKey(key));
  return parent != nodes_.end() && parent->second.folder;
}

// Folders made on the way keep the case the caller gave them.
void MemoryFileSystem::addFolder(const std::string& path) {
  const std::string key = Key(path);
  if (!parentExists(path) && !IsRoot(key)) addFolder(ParentKey(Resolve(path)));
  nodes_[key] = NewNode(Resolve(path), true);
}

void MemoryFileSystem::addFile(const std::string& path, std::string bytes, uint32_t attributes) {
  const std::string key = Key(path);
  if (!parentExists(path)) addFolder(ParentKey(Resolve(path)));
  Node node = NewNode(Resolve(path), false);
  node.attributes |= attributes & ~attr::Folder;
  *node.bytes = std::move(bytes);
  nodes_[key] = std::move(node);
}

std::vector<DirEntry> MemoryFileSystem::find(const std::string& pattern) {
  const size_t slash = pattern.rfind('\\');
  const std::string folder = Key(slash == std::string::npos ? current_ : pattern.substr(0, slash + 1));
  const std::string mask = pattern.substr(slash == std::string::npos ? 0 : slash + 1);
  auto self = nodes_.find(folder);
  if (self == nodes_.end() || !self->second.folder) return {};
  std::vector<DirEntry> entries;
  if (!IsRoot(folder))
    for (const char* dots : {".", ".."})
      if (MatchesWildcard(mask, dots)) entries.push_back({dots, attr::Folder, 0, self->second.times});
  std::vector<DirEntry> names;
  for (const auto& [key, node] : nodes_) {
    if (IsRoot(key) || ParentKey(key) != folder) continue;
    std::string name = node.path.substr(node.path.rfind('\\') + 1);
    if (MatchesWildcard(mask, name))
      names.push_back({name, node.attributes, node.folder ? 0 : node.bytes->size(), node.times});
  }
  std::sort(names.begin(), names.end(),
            [](const DirEntry& a, const DirEntry& b) { return NtfsNameLess(a.name, b.name); });
  entries.insert(entries.end(), names.begin(), names.end());
  return entries;
}

std::optional<uint32_t> MemoryFileSystem::attributes(const std::string& path) {
  const Node* found = node(path);
  return found ? std::optional(found->attributes) : std::nullopt;
}

bool MemoryFileSystem::setAttributes(const std::string& path, uint32_t attributes) {
  Node* n = at(path);
  if (n) n->attributes = n->folder ? (attributes & ~attr::ReadOnly) | attr::Folder : attributes & ~attr::Folder;
  return n != nullptr;
}

std::optional<FileTimes> MemoryFileSystem::fileTimes(const std::string& path) {
  const Node* found = node(path);
  return found ? std::optional(found->times) : std::nullopt;
}

namespace {

// A zero time is left as it was.
void SetTimes(FileTimes& t, const FileTimes& times) {
  for (auto member : {&FileTimes::creation, &FileTimes::lastAccess, &FileTimes::lastWrite})
    if (times.*member) t.*member = times.*member;
}

}  // namespace

bool MemoryFile::setTimes(const FileTimes& times) {
  if (!owner_ || !writable_) return false;
  for (auto& [key, node] : owner_->nodes_)
    if (node.bytes == bytes_) return SetTimes(node.times, times), true;
  return false;
}

bool MemoryFileSystem::setFileTimes(const std::string& path, const FileTimes& times) {
  Node* n = at(path);
  if (n) SetTimes(n->times, times);
  return n != nullptr;
}

std::unique_ptr<OpenFile> MemoryFileSystem::openRead(const std::string& path) {
  const Node* file = find(path, false);
  return file ? std::make_unique<MemoryFile>(*this, file->bytes, false, 0) : nullptr;
}

// An existing file is emptied and keeps its attributes.
std::unique_ptr<OpenFile> MemoryFileSystem::create(const std::string& path) {
  if (const Node* found = node(path)) {
    if (!parentExists(path) || found->folder || (found->attributes & (attr::ReadOnly | attr::Hidden | attr::System)))
      return nullptr;
    found->bytes->clear();
    return std::make_unique<MemoryFile>(*this, found->bytes, true, 0);
  }
  return createNew(path);
}

std::unique_ptr<OpenFile> MemoryFileSystem::createNew(const std::string& path) {
  if (!parentExists(path) || nodes_.count(Key(path))) return nullptr;
  const Node& made = nodes_[Key(path)] = NewNode(Resolve(path), false);
  return std::make_unique<MemoryFile>(*this, made.bytes, true, 0);
}

std::unique_ptr<OpenFile> MemoryFileSystem::openAppend(const std::string& path) {
  Node* file = find(path, false);
  if (!file || (file->attributes & attr::ReadOnly)) return nullptr;
  return std::make_unique<MemoryFile>(*this, file->bytes, true, file->bytes->size());
}

int MemoryFileSystem::deleteFile(const std::string& path) {
  if (!parentExists(path)) return platform::error::PathNotFound;
  auto found = nodes_.find(Key(path));
  if (found == nodes_.end()) return platform::error::FileNotFound;
  if (found->second.folder || (found->second.attributes & attr::ReadOnly)) return platform::error::AccessDenied;
  nodes_.erase(found);
  return 0;
}

bool MemoryFileSystem::replaceFile(const std::string& from, const std::string& to, platform::Flush) {
  std::string fromKey = Key(from), toKey = Key(to);
  auto source = nodes_.find(fromKey);
  if (source == nodes_.end() || source->second.folder || !parentExists(to)) return false;
  if (fromKey == toKey) return true;
  auto target = nodes_.find(toKey);
  if (target != nodes_.end() && (target->second.folder || (target->second.attributes & attr::ReadOnly)))
    return false;
  Node moved = std::move(source->second);
  nodes_.erase(source);
  moved.path = Resolve(to);
  nodes_[toKey] = std::move(moved);
  return true;
}

std::optional<platform::FileIdentity> MemoryFileSystem::identity(const std::string& path) {
  if (!node(path)) return std::nullopt;
  return platform::FileIdentity{0, 0, std::hash<std::string>{}(Key(path))};
}

std::vector<platform::FileIdentity> MemoryFileSystem::placeChain(const std::string& path) {
  std::string key = Key(path);
  while (!key.empty() && !nodes_.count(key)) key = IsRoot(key) ? "" : ParentKey(key);
  std::vector<platform::FileIdentity> chain;
  for (; !key.empty(); key = IsRoot(key) ? "" : ParentKey(key))
    chain.push_back(platform::FileIdentity{0, 0, std::hash<std::string>{}(key)});
  return chain;
}

std::unique_ptr<platform::HeldLock> MemoryFileSystem::lockFolder(const std::string& folder) {
  const Node* found = node(folder);
  if (!found || !found->folder) return nullptr;
  return std::make_unique<platform::HeldLock>();
}

bool MemoryFileSystem::createFolder(const std::string& path) {
  if (!parentExists(path) || nodes_.count(Key(path))) return false;
  nodes_[Key(path)] = NewNode(Resolve(path), true);
  return true;
}

bool MemoryFileSystem::removeFolder(const std::string& path) {
  std::string key = Key(path);
  auto found = nodes_.find(key);
  if (found == nodes_.end() || !found->second.folder || IsRoot(key)) return false;
  for (const auto& [other, node] : nodes_)
    if (ParentKey(other) == key && other != key) return false;
  nodes_.erase(found);
  return true;
}

bool MemoryFileSystem::setCurrentFolder(const std::string& path) {
  if (!find(path, true)) return false;
  current_ = Resolve(path);
  return true;
}

platform::DriveType MemoryFileSystem::driveType(const std::string& root) {
  const std::string key = Key(root);
  return key == "C:\\" ? platform::DriveType::Fixed : key == "D:\\" ? platform::DriveType::CdRom : platform::DriveType::NoRoot;
}

std::optional<VersionNumbers> MemoryFileSystem::fileVersion(const std::string& path) {
  auto file = openRead(path);
  return file ? ReadPeFileVersion(*file) : std::nullopt;
}

}  // namespace velmar::test
