#pragma once
// The Windows taskbar, hidden while the installer's backdrop fills the screen.

namespace velmar::platform {

class Taskbar {
 public:
  virtual ~Taskbar() = default;
  // Looks for the taskbar window; false when there is none.
  virtual bool Find() = 0;
  virtual bool IsVisible() = 0;
  virtual void Hide() = 0;
  virtual void Show() = 0;
};

}  // namespace velmar::platform
