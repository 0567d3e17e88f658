#include "platform/files/host_files.h"
#include "platform/host_services.h"
#include "platform/system_host.h"
#include "platform/taskbar_host.h"
#include "platform/win32/win32_shell_services.h"

namespace velmar::platform {

struct HostServices::Parts {
  std::unique_ptr<FileSystem> files = MakeHostFileSystem();
  std::unique_ptr<SystemInfo> system = MakeHostSystemInfo();
  std::unique_ptr<Mutexes> mutexes = MakeWin32Mutexes();
  std::unique_ptr<Processes> processes = MakeWin32Processes();
  std::unique_ptr<Registry> registry = MakeWin32Registry();
  std::unique_ptr<Shortcuts> shortcuts = MakeWin32Shortcuts();
  std::unique_ptr<Taskbar> taskbar = MakeHostTaskbar();
};

HostServices::HostServices()
    : parts_(std::make_unique<Parts>()),
      services_(new Services{*parts_->files, *parts_->system, *parts_->mutexes, *parts_->processes,
                             *parts_->registry, *parts_->shortcuts, *parts_->taskbar}) {}

HostServices::~HostServices() = default;

}  // namespace velmar::platform
