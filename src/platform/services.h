#pragma once
// The operating-system services the installer uses, as one bundle. Each
// program builds it once (its entry point, or a test fixture) and passes it on.

namespace velmar::platform {

class FileSystem;
class SystemInfo;
class Mutexes;
class Processes;
class Registry;
class Shortcuts;
class Taskbar;

struct Services {
  FileSystem& files;
  SystemInfo& system;
  Mutexes& mutexes;
  Processes& processes;
  Registry& registry;
  Shortcuts& shortcuts;
  Taskbar& taskbar;
};

}  // namespace velmar::platform
