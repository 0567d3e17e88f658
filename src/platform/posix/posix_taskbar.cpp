#include "platform/taskbar.h"
#include "platform/taskbar_host.h"

namespace velmar::platform {
namespace {

// A Linux desktop's panels are not the installer's to hide.
class NoTaskbar : public Taskbar {
 public:
  bool Find() override { return false; }
  bool IsVisible() override { return false; }
  void Hide() override {}
  void Show() override {}
};

}  // namespace

std::unique_ptr<Taskbar> MakeHostTaskbar() { return std::make_unique<NoTaskbar>(); }

}  // namespace velmar::platform
