#include "platform/win32/files/win32_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/text_case.h"
#include "base/wildcard.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"

namespace velmar::platform {

namespace {

constexpr uint32_t KnownAttributes = attr::ReadOnly | attr::Hidden | attr::System | attr::VolumeLabel |
                                     attr::Folder | attr::Archive | attr::ReparsePoint;
constexpr uint32_t SettableAttributes = attr::ReadOnly | attr::Hidden | attr::System | attr::Archive;

FileTime FromFiletime(const FILETIME& ft) {
  return static_cast<FileTime>((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
}

FILETIME ToFiletime(FileTime ticks) {
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(static_cast<uint64_t>(ticks) & 0xFFFFFFFFu);
  ft.dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(ticks) >> 32);
  return ft;
}

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (valid()) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }
  HANDLE release() {
    HANDLE h = h_;
    h_ = INVALID_HANDLE_VALUE;
    return h;
  }

 private:
  HANDLE h_;
};

class Win32OpenFile : public OpenFile {
 public:
  explicit Win32OpenFile(HANDLE h) : h_(h) {}
  ~Win32OpenFile() override {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }

  int64_t read(void* buffer, size_t size) override {
    DWORD got = 0;
    DWORD ask = static_cast<DWORD>(std::min<size_t>(size, 0x40000000));
    if (!ReadFile(h_, buffer, ask, &got, nullptr)) return -1;
    return got;
  }

  int64_t write(const void* data, size_t size) override {
    const auto* bytes = static_cast<const char*>(data);
    size_t done = 0;
    while (done < size) {
      DWORD put = 0;
      DWORD ask = static_cast<DWORD>(std::min<size_t>(size - done, 0x40000000));
      if (!WriteFile(h_, bytes + done, ask, &put, nullptr)) {
        DWORD error = GetLastError();
        done += put;
        // A full disk shows as a short write, as does a failure after some bytes.
        if (done > 0 || error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL)
          return static_cast<int64_t>(done);
        return -1;
      }
      if (put == 0) break;
      done += put;
    }
    return static_cast<int64_t>(done);
  }

  bool seek(uint64_t offset) override {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(h_, to, nullptr, FILE_BEGIN) != 0;
  }

  std::optional<uint64_t> size() override {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(h_, &size)) return std::nullopt;
    return static_cast<uint64_t>(size.QuadPart);
  }

  bool setTimes(const FileTimes& times) override {
    FILETIME creation = ToFiletime(times.creation), access = ToFiletime(times.lastAccess),
             write = ToFiletime(times.lastWrite);
    return SetFileTime(h_, times.creation ? &creation : nullptr, times.lastAccess ? &access : nullptr,
                       times.lastWrite ? &write : nullptr) != 0;
  }

  bool close() override {
    if (h_ == INVALID_HANDLE_VALUE) return false;
    BOOL ok = CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
    return ok != 0;
  }

 private:
  HANDLE h_;
};

std::unique_ptr<OpenFile> Open(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
  HANDLE h = CreateFileW(Widen(path).c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32OpenFile>(h);
}

bool HasAttribute(const std::string& path, DWORD bits) {
  DWORD value = GetFileAttributesW(Widen(path).c_str());
  if (value == INVALID_FILE_ATTRIBUTES) return false;
  if (value & FILE_ATTRIBUTE_DIRECTORY) return false;
  if (value & bits) SetLastError(ERROR_ACCESS_DENIED);
  return (value & bits) != 0;
}

std::string FromBuffer(DWORD (*get)(DWORD, LPWSTR)) {
  std::wstring buffer(MAX_PATH, L'\0');
  DWORD length = get(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length >= buffer.size()) {
    buffer.resize(length + 1);
    length = get(static_cast<DWORD>(buffer.size()), buffer.data());
  }
  buffer.resize(length < buffer.size() ? length : 0);
  return Narrow(buffer);
}

std::string FromBuffer(UINT (*get)(LPWSTR, UINT)) {
  std::wstring buffer(MAX_PATH, L'\0');
  UINT length = get(buffer.data(), static_cast<UINT>(buffer.size()));
  if (length >= buffer.size()) {
    buffer.resize(length + 1);
    length = get(buffer.data(), static_cast<UINT>(buffer.size()));
  }
  buffer.resize(length < buffer.size() ? length : 0);
  return Narrow(buffer);
}

// FILE_ID_INFO of Windows 8 and later (and of Wine), declared here because
// the build targets Windows 7 headers.
struct FileIdInfo {
  ULONGLONG VolumeSerialNumber;
  BYTE FileId[16];
};
constexpr auto FileIdInfoClass = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);

// A handle that only reads what a file or folder is, links followed.
HANDLE OpenToIdentify(const std::wstring& path) {
  return CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

std::optional<FileIdentity> IdentityOf(HANDLE h) {
  FileIdInfo id{};
  if (GetFileInformationByHandleEx(h, FileIdInfoClass, &id, sizeof(id))) {
    FileIdentity result{id.VolumeSerialNumber, 0, 0};
    std::memcpy(&result.low, id.FileId, 8);
    std::memcpy(&result.high, id.FileId + 8, 8);
    return result;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(h, &info)) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber, 0,
                      (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

std::optional<FileIdentity> IdentityOfPath(const std::wstring& path) {
  Handle h(OpenToIdentify(path));
  if (!h.valid()) return std::nullopt;
  return IdentityOf(h.get());
}

// The length of the root of a full path: "C:\" or "\\?\C:\" (3 or 7),
// "\\server\share\" and "\\?\UNC\server\share\" up to the share's backslash.
size_t RootLength(const std::wstring& path) {
  size_t start = 0;
  bool unc = false;
  if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) {
    start = 8;
    unc = true;
  } else if (path.rfind(L"\\\\?\\", 0) == 0) {
    start = 4;
  } else if (path.rfind(L"\\\\", 0) == 0) {
    start = 2;
    unc = true;
  }
  if (!unc) return std::min(path.size(), start + 3);
  const size_t server = path.find(L'\\', start);
  if (server == std::wstring::npos) return path.size();
  const size_t share = path.find(L'\\', server + 1);
  return share == std::wstring::npos ? path.size() : share + 1;
}

// The folder above a full path by its text; the root itself at the root.
std::wstring ParentOf(const std::wstring& path) {
  const size_t root = RootLength(path);
  std::wstring trimmed = path;
  while (trimmed.size() > root && trimmed.back() == L'\\') trimmed.pop_back();
  if (trimmed.size() <= root) return trimmed.substr(0, root);
  const size_t cut = trimmed.find_last_of(L'\\');
  return trimmed.substr(0, cut == std::wstring::npos ? root : std::max(cut, root));
}

std::wstring FinalPath(HANDLE h) {
  std::wstring buffer(MAX_PATH, L'\0');
  DWORD length = GetFinalPathNameByHandleW(h, buffer.data(), DWORD(buffer.size()), FILE_NAME_NORMALIZED);
  if (length >= buffer.size()) {
    buffer.resize(length + 1);
    length = GetFinalPathNameByHandleW(h, buffer.data(), DWORD(buffer.size()), FILE_NAME_NORMALIZED);
  }
  buffer.resize(length < buffer.size() ? length : 0);
  return buffer;
}

class MutexLock : public HeldLock {
 public:
  explicit MutexLock(HANDLE h) : h_(h) {}
  ~MutexLock() override {
    ReleaseMutex(h_);
    CloseHandle(h_);
  }

 private:
  HANDLE h_;
};

}  // namespace

std::vector<DirEntry> Win32FileSystem::find(const std::string& pattern) {
  // Wildcards are matched by our own rules: Windows also matches 8.3 short
  // names ("*.htm" finds "page.html") and Wine has simpler rules of its own
  // ("?" finds "."), so the folder is listed whole and filtered, and both
  // targets select the same names.
  size_t cut = pattern.find_last_of("\\/");
  if (cut == std::string::npos && pattern.size() >= 2 && pattern[1] == ':') cut = 1;
  const std::string name = cut == std::string::npos ? pattern : pattern.substr(cut + 1);
  const bool filter = HasWildcard(name);
  const std::string search = filter ? pattern.substr(0, cut == std::string::npos ? 0 : cut + 1) + "*" : pattern;

  std::vector<DirEntry> dots, entries;
  WIN32_FIND_DATAW data;
  HANDLE h = FindFirstFileW(Widen(search).c_str(), &data);
  if (h == INVALID_HANDLE_VALUE) return {};
  do {
    DirEntry entry;
    entry.name = Narrow(data.cFileName);
    if (filter && !MatchesWildcard(name, entry.name)) continue;
    entry.attributes = data.dwFileAttributes & KnownAttributes;
    entry.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entry.times = {FromFiletime(data.ftCreationTime), FromFiletime(data.ftLastAccessTime),
                   FromFiletime(data.ftLastWriteTime)};
    (entry.name == "." || entry.name == ".." ? dots : entries).push_back(std::move(entry));
  } while (FindNextFileW(h, &data));
  FindClose(h);
  // NTFS lists in this order already; other file systems (and Wine on a
  // Unix disk) list in their own, so the order is made the same everywhere.
  std::sort(dots.begin(), dots.end(), [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
  std::stable_sort(entries.begin(), entries.end(),
                   [](const DirEntry& a, const DirEntry& b) { return NtfsNameLess(a.name, b.name); });
  dots.insert(dots.end(), std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
  return dots;
}

std::optional<uint32_t> Win32FileSystem::attributes(const std::string& path) {
  DWORD value = GetFileAttributesW(Widen(path).c_str());
  if (value == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return value & KnownAttributes;
}

bool Win32FileSystem::setAttributes(const std::string& path, uint32_t attributes) {
  DWORD value = attributes & SettableAttributes;
  return SetFileAttributesW(Widen(path).c_str(), value ? value : FILE_ATTRIBUTE_NORMAL) != 0;
}

std::optional<FileTimes> Win32FileSystem::fileTimes(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return FileTimes{FromFiletime(data.ftCreationTime), FromFiletime(data.ftLastAccessTime),
                   FromFiletime(data.ftLastWriteTime)};
}

bool Win32FileSystem::setFileTimes(const std::string& path, const FileTimes& times) {
  Handle h(CreateFileW(Widen(path).c_str(), FILE_WRITE_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!h.valid()) return false;
  FILETIME creation = ToFiletime(times.creation), access = ToFiletime(times.lastAccess),
           write = ToFiletime(times.lastWrite);
  return SetFileTime(h.get(), times.creation ? &creation : nullptr, times.lastAccess ? &access : nullptr,
                     times.lastWrite ? &write : nullptr) != 0;
}

std::unique_ptr<OpenFile> Win32FileSystem::openRead(const std::string& path) {
  return Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
}

std::unique_ptr<OpenFile> Win32FileSystem::create(const std::string& path) {
  // Windows refuses to replace a hidden or system file with a plain one and
  // to write a read-only file; Wine allows the first, and the second when run
  // by root, so the rule is checked here for both.
  if (HasAttribute(path, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) return nullptr;
  return Open(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS);
}

std::unique_ptr<OpenFile> Win32FileSystem::createNew(const std::string& path) {
  HANDLE h = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32OpenFile>(h);
}

std::unique_ptr<OpenFile> Win32FileSystem::openAppend(const std::string& path) {
  // Append access alone makes every write land at the end of the file. The
  // checks are made on the handle, so that a link or junction found there
  // is never written through.
  Handle h(CreateFileW(Widen(path).c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT,
                       nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!h.valid() || !GetFileInformationByHandle(h.get(), &info)) return nullptr;
  const DWORD refused = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
  if (info.dwFileAttributes & refused) return nullptr;
  return std::make_unique<Win32OpenFile>(h.release());
}

int Win32FileSystem::deleteFile(const std::string& path) {
  return DeleteFileW(Widen(path).c_str()) ? 0 : static_cast<int>(GetLastError());
}

bool Win32FileSystem::replaceFile(const std::string& from, const std::string& to, Flush flush) {
  if (HasAttribute(to, FILE_ATTRIBUTE_READONLY)) return false;
  const std::wstring source = Widen(from);
  DWORD how = MOVEFILE_REPLACE_EXISTING;
  if (flush == Flush::Data) {
    // The data first, then the rename, written through: NTFS journals a
    // rename before the data of a file not flushed.
    Handle h(CreateFileW(source.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!h.valid() || !FlushFileBuffers(h.get())) return false;
    how |= MOVEFILE_WRITE_THROUGH;
  }
  return MoveFileExW(source.c_str(), Widen(to).c_str(), how) != 0;
}

bool Win32FileSystem::createFolder(const std::string& path) {
  return CreateDirectoryW(Widen(path).c_str(), nullptr) != 0;
}

bool Win32FileSystem::removeFolder(const std::string& path) { return RemoveDirectoryW(Widen(path).c_str()) != 0; }

std::optional<FileIdentity> Win32FileSystem::identity(const std::string& path) {
  return IdentityOfPath(Widen(path));
}

std::vector<FileIdentity> Win32FileSystem::placeChain(const std::string& path) {
  const std::wstring given = Widen(path);
  std::wstring full(MAX_PATH, L'\0');
  DWORD length = GetFullPathNameW(given.c_str(), DWORD(full.size()), full.data(), nullptr);
  if (length >= full.size()) {
    full.resize(length + 1);
    length = GetFullPathNameW(given.c_str(), DWORD(full.size()), full.data(), nullptr);
  }
  if (length == 0 || length >= full.size()) return {};
  full.resize(length);
  // The nearest existing place by its text (Windows takes "." and ".." by
  // their text as well), then its real path, links resolved, and the real
  // folders above it.
  HANDLE h;
  while ((h = OpenToIdentify(full)) == INVALID_HANDLE_VALUE) {
    const std::wstring parent = ParentOf(full);
    if (parent == full) return {};
    full = parent;
  }
  std::wstring folder = FinalPath(h);
  CloseHandle(h);
  if (folder.empty()) folder = full;
  std::vector<FileIdentity> chain;
  for (;;) {
    const auto id = IdentityOfPath(folder);
    if (!id) return {};
    chain.push_back(*id);
    const std::wstring parent = ParentOf(folder);
    if (parent == folder) return chain;
    folder = parent;
  }
}

std::unique_ptr<HeldLock> Win32FileSystem::lockFolder(const std::string& folder) {
  const auto id = identity(folder);
  if (!id) return nullptr;
  wchar_t name[96];
  std::swprintf(name, 96, L"VelmarFolderChange_%016llx_%016llx%016llx", static_cast<unsigned long long>(id->volume),
                static_cast<unsigned long long>(id->high), static_cast<unsigned long long>(id->low));
  HANDLE h = CreateMutexW(nullptr, FALSE, name);
  if (!h) return nullptr;
  // A mutex left by an installer that ended while holding it is taken over:
  // the change it made is whole or not made, as each replace is one step.
  const DWORD waited = WaitForSingleObject(h, INFINITE);
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
    CloseHandle(h);
    return nullptr;
  }
  return std::make_unique<MutexLock>(h);
}

std::string Win32FileSystem::currentFolder() { return FromBuffer(&GetCurrentDirectoryW); }

bool Win32FileSystem::setCurrentFolder(const std::string& path) {
  return SetCurrentDirectoryW(Widen(path).c_str()) != 0;
}

DriveType Win32FileSystem::driveType(const std::string& root) {
  switch (GetDriveTypeW(Widen(root).c_str())) {
    case DRIVE_NO_ROOT_DIR: return DriveType::NoRoot;
    case DRIVE_REMOVABLE: return DriveType::Removable;
    case DRIVE_FIXED: return DriveType::Fixed;
    case DRIVE_REMOTE: return DriveType::Remote;
    case DRIVE_CDROM: return DriveType::CdRom;
    case DRIVE_RAMDISK: return DriveType::RamDisk;
    default: return DriveType::Unknown;
  }
}

std::string Win32FileSystem::windowsFolder() { return FromBuffer(&GetWindowsDirectoryW); }

std::string Win32FileSystem::systemFolder() { return FromBuffer(&GetSystemDirectoryW); }

std::optional<VersionNumbers> Win32FileSystem::fileVersion(const std::string& path) {
  std::wstring wide = Widen(path);
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(wide.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<char> data(size);
  if (!GetFileVersionInfoW(wide.c_str(), 0, size, data.data())) return std::nullopt;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info ||
      length < sizeof(VS_FIXEDFILEINFO) || info->dwSignature != 0xFEEF04BD)
    return std::nullopt;
  return VersionNumbers{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS), HIWORD(info->dwFileVersionLS),
                     LOWORD(info->dwFileVersionLS)};
}

}  // namespace velmar::platform
