#include "platform/posix/files/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <utility>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "formats/pe_version.h"
#include "platform/posix/files/errno_to_windows.h"
#include "base/text_case.h"
#include "base/wildcard.h"

namespace velmar::platform {

namespace {

// Windows runs a program by its name; here a new file so named may run too.
bool IsProgramName(const std::string& host) {
  const size_t dot = host.find_last_of("./");
  if (dot == std::string::npos || host[dot] != '.') return false;
  const std::string extension = AsciiUpperCase(host.substr(dot));
  return extension == ".EXE" || extension == ".COM";
}

constexpr const char* DosAttribName = "user.DOSATTRIB";
constexpr uint32_t DosAttribBits = attr::Hidden | attr::System | attr::Archive;
constexpr int ErrorInvalidName = 123;

constexpr int64_t TicksPerSecond = 10'000'000;
constexpr int64_t SecondsFrom1601To1970 = 11'644'473'600;

FileTime ToFileTime(int64_t seconds, int64_t nanoseconds) {
  return (seconds + SecondsFrom1601To1970) * TicksPerSecond + nanoseconds / 100;
}

timespec ToTimespec(FileTime ticks) {
  int64_t sinceEpoch = ticks - SecondsFrom1601To1970 * TicksPerSecond;
  int64_t seconds = sinceEpoch / TicksPerSecond;
  int64_t rest = sinceEpoch % TicksPerSecond;
  if (rest < 0) rest += TicksPerSecond, --seconds;
  timespec ts{};
  ts.tv_sec = static_cast<time_t>(seconds);
  ts.tv_nsec = static_cast<long>(rest * 100);
  return ts;
}

std::string JoinHost(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

std::string HostParent(const std::string& host) {
  size_t cut = host.find_last_of('/');
  return (cut == 0 || cut == std::string::npos) ? "/" : host.substr(0, cut);
}

bool IsHostFolder(const std::string& host) {
  struct stat st;
  return ::stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The entry of `folder` called `name` without regard to case; an exact match wins.
std::optional<std::string> FindNameIgnoringCase(const std::string& folder, const std::string& name) {
  struct stat st;
  if (::lstat(JoinHost(folder, name).c_str(), &st) == 0) return name;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return std::nullopt;
  std::optional<std::string> found;
  while (dirent* entry = ::readdir(dir)) {
    std::string candidate = entry->d_name;
    if (SameText(candidate, name) && (!found || candidate < *found)) found = candidate;
  }
  ::closedir(dir);
  return found;
}

// "0x22", possibly followed by a NUL and more data (Samba's newer form).
std::optional<uint32_t> ReadDosAttrib(const std::string& host) {
  char data[256];
  ssize_t length = ::getxattr(host.c_str(), DosAttribName, data, sizeof(data) - 1);
  if (length <= 2 || data[0] != '0' || (data[1] != 'x' && data[1] != 'X')) return std::nullopt;
  data[length] = '\0';
  char* end = nullptr;
  unsigned long value = std::strtoul(data + 2, &end, 16);
  if (end == data + 2 || *end != '\0') return std::nullopt;
  return static_cast<uint32_t>(value);
}

// Stores hidden, system and archive. The default state (archive for a file,
// nothing for a folder) is stored as no attribute at all, as Wine does.
// False when hidden or system were asked for and the file system cannot
// keep extended attributes.
bool WriteDosAttrib(const std::string& host, bool isFolder, uint32_t bits) {
  bits &= DosAttribBits;
  const uint32_t defaults = isFolder ? 0 : attr::Archive;
  if (bits == defaults) {
    if (::removexattr(host.c_str(), DosAttribName) == 0 || errno == ENODATA) return true;
  } else {
    char data[16];
    int length = std::snprintf(data, sizeof(data), "0x%x", bits);
    if (::setxattr(host.c_str(), DosAttribName, data, static_cast<size_t>(length), 0) == 0) return true;
  }
  if (errno == ENOTSUP || errno == EOPNOTSUPP) return (bits & (attr::Hidden | attr::System)) == 0;
  return false;
}

uint32_t AttributesOf(const std::string& host, const struct stat& st) {
  const bool isFolder = S_ISDIR(st.st_mode);
  uint32_t result = isFolder ? attr::Folder : 0;
  if ((st.st_mode & 0222) == 0) result |= attr::ReadOnly;
  if (auto dos = ReadDosAttrib(host))
    result |= *dos & DosAttribBits;
  else if (!isFolder)
    result |= attr::Archive;
  return result;
}

FileTimes TimesOf(const std::string& host, const struct stat& st) {
  FileTimes times;
  times.lastAccess = ToFileTime(st.st_atim.tv_sec, st.st_atim.tv_nsec);
  times.lastWrite = ToFileTime(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
  times.creation = times.lastWrite;
  struct statx sx;
  if (::statx(AT_FDCWD, host.c_str(), 0, STATX_BTIME, &sx) == 0 && (sx.stx_mask & STATX_BTIME))
    times.creation = ToFileTime(sx.stx_btime.tv_sec, sx.stx_btime.tv_nsec);
  return times;
}

// A symbolic link shows as Windows shows a link or junction: with the
// attributes of what it leads to, and marked as a link.
uint32_t LinkBit(const std::string& host) {
  struct stat st;
  return ::lstat(host.c_str(), &st) == 0 && S_ISLNK(st.st_mode) ? attr::ReparsePoint : 0;
}

DirEntry EntryOf(std::string name, const std::string& host, const struct stat& st) {
  DirEntry entry;
  entry.name = std::move(name);
  entry.attributes = AttributesOf(host, st) | LinkBit(host);
  entry.size = S_ISDIR(st.st_mode) ? 0 : static_cast<uint64_t>(st.st_size);
  entry.times = TimesOf(host, st);
  return entry;
}

class PosixOpenFile : public OpenFile {
 public:
  explicit PosixOpenFile(int fd) : fd_(fd) {}
  ~PosixOpenFile() override {
    if (fd_ >= 0) ::close(fd_);
  }

  int64_t read(void* buffer, size_t size) override {
    for (;;) {
      ssize_t got = ::read(fd_, buffer, size);
      if (got >= 0) return got;
      if (errno != EINTR) return -1;
    }
  }

  int64_t write(const void* data, size_t size) override {
    const auto* bytes = static_cast<const char*>(data);
    size_t done = 0;
    while (done < size) {
      ssize_t put = ::write(fd_, bytes + done, size - done);
      if (put > 0) {
        done += static_cast<size_t>(put);
      } else if (put < 0 && errno == EINTR) {
        continue;
      } else {
        // A full disk shows as a short write; other failures after some
        // bytes went out too, since the caller must stop either way.
        if (done > 0 || errno == ENOSPC || errno == EDQUOT) return static_cast<int64_t>(done);
        return -1;
      }
    }
    return static_cast<int64_t>(done);
  }

  bool seek(uint64_t offset) override {
    return ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) != static_cast<off_t>(-1);
  }

  std::optional<uint64_t> size() override {
    struct stat st;
    if (::fstat(fd_, &st) != 0) return std::nullopt;
    return static_cast<uint64_t>(st.st_size);
  }

  bool setTimes(const FileTimes& times) override {
    const timespec ts[2] = {times.lastAccess ? ToTimespec(times.lastAccess) : timespec{0, UTIME_OMIT},
                            times.lastWrite ? ToTimespec(times.lastWrite) : timespec{0, UTIME_OMIT}};
    return ::futimens(fd_, ts) == 0;
  }

  bool close() override {
    if (fd_ < 0) return false;
    int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }

 private:
  int fd_;
};

std::unique_ptr<OpenFile> WrapFd(int fd) {
  if (fd < 0) return nullptr;
  return std::make_unique<PosixOpenFile>(fd);
}

FileIdentity IdentityOf(const struct stat& st) {
  return FileIdentity{static_cast<uint64_t>(st.st_dev), 0, static_cast<uint64_t>(st.st_ino)};
}

// fsync of what a host path names; false when its data cannot be made durable.
bool SyncHostPath(const std::string& host, int flags) {
  const int fd = ::open(host.c_str(), O_RDONLY | O_CLOEXEC | flags);
  if (fd < 0) return false;
  int result;
  do result = ::fsync(fd);
  while (result != 0 && errno == EINTR);
  ::close(fd);
  return result == 0;
}

// flock is not reentrant between two descriptors of one folder, while a
// Windows mutex is for the thread that owns it: a thread that holds a
// folder's lock takes it again at once, and the folder is free when the last
// of its locks goes.
struct HeldFolder {
  int fd = -1;
  int count = 0;
};
thread_local std::map<std::pair<dev_t, ino_t>, HeldFolder> heldFolders;

class FolderLock : public HeldLock {
 public:
  explicit FolderLock(std::pair<dev_t, ino_t> folder) : folder_(folder) {}
  ~FolderLock() override {
    HeldFolder& held = heldFolders[folder_];
    if (--held.count > 0) return;
    ::close(held.fd);  // closing releases the flock
    heldFolders.erase(folder_);
  }

 private:
  std::pair<dev_t, ino_t> folder_;
};

}  // namespace

PosixFileSystem::PosixFileSystem() : PosixFileSystem(DriveTable()) {}

PosixFileSystem::PosixFileSystem(DriveTable drives) : drives_(std::move(drives)) {
  current_ = "Z:\\";
  if (char* cwd = ::getcwd(nullptr, 0)) {
    if (auto windows = drives_.toWindows(cwd)) current_ = *windows;
    std::free(cwd);
  }
}

void PosixFileSystem::setSystemFolders(std::string windowsFolder, std::string systemFolder) {
  windowsFolder_ = std::move(windowsFolder);
  systemFolder_ = std::move(systemFolder);
}

std::optional<AbsolutePath> PosixFileSystem::resolve(const std::string& path) const {
  if (path.empty()) return std::nullopt;
  return ResolveWindowsPath(path, current_);
}

std::optional<std::string> PosixFileSystem::hostPathOf(const AbsolutePath& path) const {
  const DriveMapping* drive = drives_.find(path.drive);
  if (!drive) return std::nullopt;
  // Most paths name a file, or a new name in a folder, whose names on the way
  // exist with the case given: then one lstat finds the folder, and only the
  // last name needs a look without regard to case.
  if (!path.components.empty()) {
    std::string folder = drive->hostFolder;
    for (size_t i = 0; i + 1 < path.components.size(); ++i) folder = JoinHost(folder, path.components[i]);
    struct stat st;
    if (::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
      const std::string& name = path.components.back();
      return JoinHost(folder, FindNameIgnoringCase(folder, name).value_or(name));
    }
  }
  std::string host = drive->hostFolder;
  bool existing = true;
  for (const std::string& name : path.components) {
    std::optional<std::string> found;
    if (existing) found = FindNameIgnoringCase(host, name);
    existing = found.has_value();
    host = JoinHost(host, found ? *found : name);
  }
  return host;
}

std::optional<std::string> PosixFileSystem::hostPath(const std::string& path) {
  auto absolute = resolve(path);
  if (!absolute) return std::nullopt;
  return hostPathOf(*absolute);
}

std::optional<std::string> PosixFileSystem::windowsPath(const std::string& hostPath) const {
  return drives_.toWindows(hostPath);
}

std::vector<DirEntry> PosixFileSystem::find(const std::string& pattern) {
  std::string folder, name;
  size_t cut = pattern.find_last_of("\\/");
  if (cut != std::string::npos) {
    folder = pattern.substr(0, cut + 1);
    name = pattern.substr(cut + 1);
  } else if (pattern.size() >= 2 && pattern[1] == ':') {
    folder = pattern.substr(0, 2);
    name = pattern.substr(2);
  } else {
    folder = current_;
    name = pattern;
  }
  if (name.empty()) return {};
  auto absolute = resolve(folder);
  if (!absolute) return {};
  auto host = hostPathOf(*absolute);
  struct stat st;
  if (!host || ::stat(host->c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return {};

  std::vector<DirEntry> dots, entries;
  if (!absolute->isRoot()) {
    // Windows lists "." and ".." in every folder but a drive's root.
    std::string parent = HostParent(*host);
    struct stat parentSt;
    if (MatchesWildcard(name, ".")) dots.push_back(EntryOf(".", *host, st));
    if (MatchesWildcard(name, "..") && ::stat(parent.c_str(), &parentSt) == 0)
      dots.push_back(EntryOf("..", parent, parentSt));
  }
  DIR* dir = ::opendir(host->c_str());
  if (!dir) return dots;
  while (dirent* item = ::readdir(dir)) {
    std::string itemName = item->d_name;
    if (itemName == "." || itemName == ".." || !MatchesWildcard(name, itemName)) continue;
    std::string itemHost = JoinHost(*host, itemName);
    struct stat itemSt;
    if (::stat(itemHost.c_str(), &itemSt) != 0 && ::lstat(itemHost.c_str(), &itemSt) != 0) continue;
    entries.push_back(EntryOf(std::move(itemName), itemHost, itemSt));
  }
  ::closedir(dir);
  std::sort(entries.begin(), entries.end(),
            [](const DirEntry& a, const DirEntry& b) { return NtfsNameLess(a.name, b.name); });
  dots.insert(dots.end(), std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
  return dots;
}

std::optional<uint32_t> PosixFileSystem::attributes(const std::string& path) {
  auto host = hostPath(path);
  struct stat st;
  if (!host || ::stat(host->c_str(), &st) != 0) return std::nullopt;
  return AttributesOf(*host, st) | LinkBit(*host);
}

bool PosixFileSystem::setAttributes(const std::string& path, uint32_t attributes) {
  auto host = hostPath(path);
  struct stat st;
  if (!host || ::stat(host->c_str(), &st) != 0) return false;
  const bool isFolder = S_ISDIR(st.st_mode);
  // Like Windows, read-only on a folder does not keep anyone from writing in
  // it; Wine ignores it there, and so do we.
  if (isFolder) return WriteDosAttrib(*host, true, attributes);
  // Setting a user.* attribute needs write permission, so the file stays
  // writable until the extended attribute is written.
  const mode_t mode = st.st_mode & 07777;
  const mode_t wanted = (attributes & attr::ReadOnly) ? (mode & ~mode_t{0222}) : (mode | S_IWUSR);
  mode_t now = mode;
  if (!(now & S_IWUSR)) {
    if (::chmod(host->c_str(), now | S_IWUSR) != 0) return false;
    now |= S_IWUSR;
  }
  bool stored = WriteDosAttrib(*host, false, attributes);
  if (wanted != now && ::chmod(host->c_str(), wanted) != 0) return false;
  return stored;
}

std::optional<FileTimes> PosixFileSystem::fileTimes(const std::string& path) {
  auto host = hostPath(path);
  struct stat st;
  if (!host || ::stat(host->c_str(), &st) != 0) return std::nullopt;
  return TimesOf(*host, st);
}

bool PosixFileSystem::setFileTimes(const std::string& path, const FileTimes& times) {
  auto host = hostPath(path);
  struct stat st;
  if (!host || ::stat(host->c_str(), &st) != 0) return false;
  // POSIX has no call that sets a file's creation (birth) time; the other two
  // times are set and the call counts as done.
  timespec ts[2];
  ts[0] = times.lastAccess ? ToTimespec(times.lastAccess) : timespec{0, UTIME_OMIT};
  ts[1] = times.lastWrite ? ToTimespec(times.lastWrite) : timespec{0, UTIME_OMIT};
  return ::utimensat(AT_FDCWD, host->c_str(), ts, 0) == 0;
}

std::unique_ptr<OpenFile> PosixFileSystem::openRead(const std::string& path) {
  auto host = hostPath(path);
  if (!host) return nullptr;
  int fd = ::open(host->c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st;
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return WrapFd(fd);
}

std::unique_ptr<OpenFile> PosixFileSystem::create(const std::string& path) {
  auto host = hostPath(path);
  if (!host) return nullptr;
  struct stat st;
  const bool existed = ::stat(host->c_str(), &st) == 0;
  if (existed) {
    // Windows refuses to replace a read-only file, and a hidden or system
    // file unless the caller asks for those attributes again.
    uint32_t current = AttributesOf(*host, st);
    if (S_ISDIR(st.st_mode) || (current & (attr::ReadOnly | attr::Hidden | attr::System))) return nullptr;
  }
  int fd = ::open(host->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, IsProgramName(*host) ? 0777 : 0666);
  if (fd >= 0 && existed) WriteDosAttrib(*host, false, attr::Archive);
  return WrapFd(fd);
}

std::unique_ptr<OpenFile> PosixFileSystem::createNew(const std::string& path) {
  auto host = hostPath(path);
  if (!host) return nullptr;
  return WrapFd(::open(host->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                       IsProgramName(*host) ? 0777 : 0666));
}

std::unique_ptr<OpenFile> PosixFileSystem::openAppend(const std::string& path) {
  auto host = hostPath(path);
  if (!host) return nullptr;
  // The checks are made on the file opened, so that nothing put in its place
  // meanwhile is written to.
  const int fd = ::open(host->c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || (AttributesOf(*host, st) & attr::ReadOnly)) {
    ::close(fd);
    return nullptr;
  }
  return WrapFd(fd);
}

int PosixFileSystem::deleteFile(const std::string& path) {
  auto absolute = resolve(path);
  if (!absolute) return ErrorInvalidName;
  auto host = hostPathOf(*absolute);
  if (!host) return error::PathNotFound;
  struct stat st;
  if (::lstat(host->c_str(), &st) != 0) {
    if (errno == ENOENT) return IsHostFolder(HostParent(*host)) ? error::FileNotFound : error::PathNotFound;
    return WindowsErrorFromErrno(errno);
  }
  if (S_ISDIR(st.st_mode) || (AttributesOf(*host, st) & attr::ReadOnly)) return error::AccessDenied;
  return ::unlink(host->c_str()) == 0 ? 0 : WindowsErrorFromErrno(errno);
}

bool PosixFileSystem::replaceFile(const std::string& from, const std::string& to, Flush flush) {
  auto source = hostPath(from);
  auto target = hostPath(to);
  struct stat st;
  if (!source || !target || ::lstat(source->c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  if (::lstat(target->c_str(), &st) == 0 && (S_ISDIR(st.st_mode) || (AttributesOf(*target, st) & attr::ReadOnly)))
    return false;
  // The data first, then the rename, then the folder that records it: a
  // journal may write the rename before the data of a file not flushed.
  if (flush == Flush::Data && !SyncHostPath(*source, O_NOFOLLOW)) return false;
  if (::rename(source->c_str(), target->c_str()) != 0) return false;
  if (flush == Flush::Data && !SyncHostPath(HostParent(*target), O_DIRECTORY)) return false;
  // A program written under a temporary name may run under its own, as one
  // made by create() may.
  if (IsProgramName(*target) && ::stat(target->c_str(), &st) == 0 && S_ISREG(st.st_mode))
    ::chmod(target->c_str(), (st.st_mode & 07777) | ((st.st_mode & 0444) >> 2));
  return true;
}

bool PosixFileSystem::createFolder(const std::string& path) {
  auto host = hostPath(path);
  return host && ::mkdir(host->c_str(), 0777) == 0;
}

bool PosixFileSystem::removeFolder(const std::string& path) {
  auto absolute = resolve(path);
  if (!absolute || absolute->isRoot()) return false;
  auto host = hostPathOf(*absolute);
  return host && ::rmdir(host->c_str()) == 0;
}

std::optional<FileIdentity> PosixFileSystem::identity(const std::string& path) {
  auto host = hostPath(path);
  struct stat st;
  if (!host || ::stat(host->c_str(), &st) != 0) return std::nullopt;
  return IdentityOf(st);
}

std::vector<FileIdentity> PosixFileSystem::placeChain(const std::string& path) {
  auto host = hostPath(path);
  if (!host) return {};
  // The path's names are resolved already ("." and ".." as Windows takes
  // them, by their text), so the nearest existing place is found by text.
  std::string existing = *host;
  struct stat st;
  while (::stat(existing.c_str(), &st) != 0) {
    if (existing == "/") return {};
    existing = HostParent(existing);
  }
  char* real = ::realpath(existing.c_str(), nullptr);
  if (!real) return {};
  std::string folder = real;
  std::free(real);
  std::vector<FileIdentity> chain;
  for (;;) {
    if (::stat(folder.c_str(), &st) != 0) return {};
    chain.push_back(IdentityOf(st));
    if (folder == "/") return chain;
    folder = HostParent(folder);
  }
}

std::unique_ptr<HeldLock> PosixFileSystem::lockFolder(const std::string& folder) {
  auto host = hostPath(folder);
  if (!host) return nullptr;
  const int fd = ::open(host->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  struct stat st;
  if (fd < 0 || ::fstat(fd, &st) != 0) {
    if (fd >= 0) ::close(fd);
    return nullptr;
  }
  const std::pair<dev_t, ino_t> key{st.st_dev, st.st_ino};
  HeldFolder& held = heldFolders[key];
  if (held.count > 0) {
    ::close(fd);
  } else {
    int result;
    do result = ::flock(fd, LOCK_EX);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
      ::close(fd);
      heldFolders.erase(key);
      return nullptr;
    }
    held.fd = fd;
  }
  ++held.count;
  return std::make_unique<FolderLock>(key);
}

std::string PosixFileSystem::currentFolder() { return current_; }

bool PosixFileSystem::setCurrentFolder(const std::string& path) {
  auto absolute = resolve(path);
  if (!absolute) return false;
  auto host = hostPathOf(*absolute);
  if (!host || !IsHostFolder(*host)) return false;
  current_ = absolute->text();
  return true;
}

DriveType PosixFileSystem::driveType(const std::string& root) {
  bool isRoot = (root.size() == 2 || (root.size() == 3 && (root[2] == '\\' || root[2] == '/'))) && root[1] == ':';
  if (!isRoot) return DriveType::NoRoot;
  const DriveMapping* drive = drives_.find(root[0]);
  if (!drive || !IsHostFolder(drive->hostFolder)) return DriveType::NoRoot;
  return drive->type;
}

std::string PosixFileSystem::windowsFolder() { return windowsFolder_; }

std::string PosixFileSystem::systemFolder() { return systemFolder_; }

std::optional<VersionNumbers> PosixFileSystem::fileVersion(const std::string& path) {
  auto file = openRead(path);
  if (!file) return std::nullopt;
  auto version = ReadPeFileVersion(*file);
  file->close();
  return version;
}

}  // namespace velmar::platform
