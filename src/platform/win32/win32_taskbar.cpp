#include "platform/taskbar.h"
#include "platform/taskbar_host.h"
#include "platform/win32/windows_api.h"

namespace velmar::platform {
namespace {

class Win32Taskbar : public Taskbar {
 public:
  bool Find() override {
    window_ = FindWindowW(L"Shell_TrayWnd", nullptr);
    return window_ != nullptr;
  }
  bool IsVisible() override { return window_ && IsWindowVisible(window_); }
  void Hide() override {
    if (window_) ShowWindow(window_, SW_HIDE);
  }
  void Show() override {
    if (window_) ShowWindow(window_, SW_SHOW);
  }

 private:
  HWND window_ = nullptr;
};

}  // namespace

std::unique_ptr<Taskbar> MakeHostTaskbar() { return std::make_unique<Win32Taskbar>(); }

}  // namespace velmar::platform
