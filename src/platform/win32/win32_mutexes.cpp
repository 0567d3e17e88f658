#include "platform/win32/windows_api.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_shell_services.h"

namespace velmar::platform {
namespace {

class Win32HeldMutex : public HeldMutex {
 public:
  explicit Win32HeldMutex(HANDLE mutex) : mutex_(mutex) {}
  ~Win32HeldMutex() override { CloseHandle(mutex_); }
  Win32HeldMutex(const Win32HeldMutex&) = delete;
  Win32HeldMutex& operator=(const Win32HeldMutex&) = delete;

 private:
  HANDLE mutex_;
};

std::unique_ptr<HeldMutex> Held(HANDLE mutex) {
  if (!mutex) return nullptr;
  return std::make_unique<Win32HeldMutex>(mutex);
}

class Win32Mutexes : public Mutexes {
 public:
  bool Exists(const std::string& name) override { return Open(name) != nullptr; }

  std::unique_ptr<HeldMutex> Open(const std::string& name) override {
    return Held(OpenMutexW(MUTEX_ALL_ACCESS, FALSE, Widen(name).c_str()));
  }

  std::unique_ptr<HeldMutex> Create(const std::string& name) override {
    return Held(CreateMutexW(nullptr, FALSE, Widen(name).c_str()));
  }

  uint32_t RegisterChangeMessage(const std::string& name) override {
    message_ = RegisterWindowMessageW(Widen(name).c_str());
    return message_;
  }

  // Posted, not sent: a hung window must not stop the installer.
  bool Broadcast(uintptr_t wParam, intptr_t lParam) override {
    return message_ != 0 && PostMessageW(HWND_BROADCAST, message_, wParam, lParam) != 0;
  }

 private:
  UINT message_ = 0;
};

}  // namespace

std::unique_ptr<Mutexes> MakeWin32Mutexes() { return std::make_unique<Win32Mutexes>(); }

}  // namespace velmar::platform
