#include "platform/files/host_files.h"

#include "platform/win32/wide.h"
#include "platform/win32/files/win32_files.h"
#include "platform/win32/windows_api.h"

namespace velmar::platform {

std::unique_ptr<FileSystem> MakeHostFileSystem() { return std::make_unique<Win32FileSystem>(); }

std::string HostPathToWindows(const std::string& hostPath) {
  std::wstring wide = Widen(hostPath);
  DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (length == 0) return hostPath;
  std::wstring full(length, L'\0');
  length = GetFullPathNameW(wide.c_str(), length, full.data(), nullptr);
  full.resize(length);
  return Narrow(full);
}

}  // namespace velmar::platform
