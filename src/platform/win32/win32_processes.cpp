#include "platform/win32/windows_api.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_shell_services.h"

namespace velmar::platform {
namespace {

class Win32Process : public Process {
 public:
  explicit Win32Process(HANDLE process) : process_(process) {}
  ~Win32Process() override { CloseHandle(process_); }
  Win32Process(const Win32Process&) = delete;
  Win32Process& operator=(const Win32Process&) = delete;

  bool Wait(uint32_t timeoutMs) override { return WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0; }

  std::optional<uint32_t> ExitCode() override {
    DWORD code = 0;
    if (!HasEnded() || !GetExitCodeProcess(process_, &code)) return std::nullopt;
    return code;
  }

  bool Terminate() override { return TerminateProcess(process_, 1) != 0; }

 private:
  HANDLE process_;
};

class Win32Processes : public Processes {
 public:
  std::unique_ptr<Process> Start(const std::string& commandLine, WindowShow show) override {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show == WindowShow::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    PROCESS_INFORMATION info = {};
    std::wstring line = Widen(commandLine);  // CreateProcessW may write into it
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &info))
      return nullptr;
    CloseHandle(info.hThread);
    return std::make_unique<Win32Process>(info.hProcess);
  }

  std::string ProgramPath() override {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
      const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
      if (n == 0) return {};
      if (n < path.size()) return Narrow(std::wstring_view(path.data(), n));
      path.resize(path.size() * 2);
    }
  }
};

}  // namespace

std::unique_ptr<Processes> MakeWin32Processes() { return std::make_unique<Win32Processes>(); }

}  // namespace velmar::platform
