#include <cstdlib>

#include "platform/files/host_files.h"
#include "platform/host_services.h"
#include "platform/posix/files/posix_files.h"
#include "platform/posix/posix_shell_services.h"
#include "platform/system_host.h"
#include "platform/taskbar_host.h"

namespace velmar::platform {

struct HostServices::Parts {
  std::unique_ptr<FileSystem> files = MakeHostFileSystem();
  std::unique_ptr<SystemInfo> system = MakeHostSystemInfo();
  std::unique_ptr<Mutexes> mutexes = MakePosixMutexes();
  std::unique_ptr<Processes> processes = MakePosixProcesses(static_cast<PosixFileSystem&>(*files));
  std::unique_ptr<Registry> registry = MakePosixRegistry(*files, DefaultRegistryFile(*files), UserName());
  std::unique_ptr<Shortcuts> shortcuts = MakePosixShortcuts(*files);
  std::unique_ptr<Taskbar> taskbar = MakeHostTaskbar();

  static std::string UserName() {
    const char* user = std::getenv("USER");
    return user && *user ? user : "user";
  }
};

HostServices::HostServices()
    : parts_(std::make_unique<Parts>()),
      services_(new Services{*parts_->files, *parts_->system, *parts_->mutexes, *parts_->processes,
                             *parts_->registry, *parts_->shortcuts, *parts_->taskbar}) {}

HostServices::~HostServices() = default;

}  // namespace velmar::platform
