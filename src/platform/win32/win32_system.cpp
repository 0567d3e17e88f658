#include "platform/files/host_files.h"
#include "platform/system_host.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"

namespace velmar::platform {
namespace {

class Win32SystemInfo : public SystemInfo {
 public:
  Win32SystemInfo() : files_(MakeHostFileSystem()) {}
  std::string programPath() override {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
      const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
      if (n < buffer.size()) return Narrow(buffer.substr(0, n));
      buffer.resize(buffer.size() * 2);
    }
  }
  VersionNumbers programVersion() override {
    return files_->fileVersion(programPath()).value_or(VersionNumbers{});
  }
  int primaryLanguage() override { return PRIMARYLANGID(GetUserDefaultLangID()); }
  // The program's ANSI code page is the system's as long as the manifest
  // names none of its own (activeCodePage).
  CodePage ansiCodePage() override { return static_cast<CodePage>(GetACP()); }
  bool isNtFamily() override { return true; }  // 64-bit Windows is always of the NT family
  LocalDateTime now() override {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
  }

 private:
  std::unique_ptr<FileSystem> files_;
};

}  // namespace

std::unique_ptr<SystemInfo> MakeHostSystemInfo() { return std::make_unique<Win32SystemInfo>(); }

}  // namespace velmar::platform
