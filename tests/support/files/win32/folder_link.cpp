#include "support/files/folder_link.h"

#include "platform/win32/windows_api.h"

#include <winioctl.h>

#include <cstring>
#include <vector>

#include "platform/win32/wide.h"
#include "support/win32/wine_host.h"

namespace velmar::test {

struct FolderLink::Port {
  std::wstring link;
  std::string unixLink;  // under Wine: the host's link
};

namespace {

// A junction: a mount point reparse point on an empty folder.
bool MakeJunction(const std::wstring& link, const std::wstring& target) {
  if (!CreateDirectoryW(link.c_str(), nullptr)) return false;
  HANDLE h = CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  bool made = false;
  if (h != INVALID_HANDLE_VALUE) {
    const std::wstring substitute = L"\\??\\" + target;
    const size_t nameBytes = substitute.size() * sizeof(wchar_t);
    // Tag, data length, reserved; then the mount point's four offsets and
    // lengths, the substitute name and an empty print name, each ended by 0.
    std::vector<uint8_t> buffer(8 + 8 + nameBytes + 2 * sizeof(wchar_t), 0);
    const auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&buffer[at], &v, 4); };
    const auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&buffer[at], &v, 2); };
    put32(0, IO_REPARSE_TAG_MOUNT_POINT);
    put16(4, uint16_t(buffer.size() - 8));
    put16(10, uint16_t(nameBytes));                    // the substitute name from offset 0
    put16(12, uint16_t(nameBytes + sizeof(wchar_t)));  // the empty print name after it
    std::memcpy(&buffer[16], substitute.data(), nameBytes);
    DWORD returned = 0;
    made = DeviceIoControl(h, FSCTL_SET_REPARSE_POINT, buffer.data(), DWORD(buffer.size()), nullptr, 0, &returned,
                           nullptr) != 0;
    CloseHandle(h);
  }
  if (!made) RemoveDirectoryW(link.c_str());
  return made;
}

bool IsLink(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace

FolderLink::FolderLink(TempDrive& drive, const std::string& link, const std::string& target)
    : port_(std::make_unique<Port>()) {
  port_->link = platform::Widen(drive.path(link));
  const std::wstring targetPath = platform::Widen(drive.path(target));
  const DWORD targetAttributes = GetFileAttributesW(targetPath.c_str());
  const bool folder = targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_DIRECTORY);
  if (folder && MakeJunction(port_->link, targetPath)) {
    made_ = IsLink(port_->link);
    return;
  }
  // A link to a file; Wine shows a host link to a file as the file itself,
  // which would be no link to the test.
  if (!folder) {
    made_ = CreateSymbolicLinkW(port_->link.c_str(), targetPath.c_str(), 0) && IsLink(port_->link);
    return;
  }
  // Wine makes no junctions; a link of the host is what Wine shows as one.
  const std::string unixTarget = WineUnixPath(targetPath);
  const size_t cut = port_->link.find_last_of(L'\\');
  const std::string unixParent = WineUnixPath(port_->link.substr(0, cut));
  if (unixTarget.empty() || unixParent.empty()) return;
  port_->unixLink = unixParent + "/" + platform::Narrow(port_->link.substr(cut + 1));
  RunHostProgram("Z:\\bin\\ln -s " + unixTarget + " " + port_->unixLink);
  // Wine may tell that a host program ended before it has.
  for (int i = 0; i < 100 && !(made_ = IsLink(port_->link)); ++i) Sleep(50);
}

FolderLink::~FolderLink() {
  if (!made_) return;
  if (!port_->unixLink.empty()) {
    RunHostProgram("Z:\\bin\\rm " + port_->unixLink);
    for (int i = 0; i < 100 && GetFileAttributesW(port_->link.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
  } else if (!RemoveDirectoryW(port_->link.c_str())) {
    DeleteFileW(port_->link.c_str());
  }
}

}  // namespace velmar::test
