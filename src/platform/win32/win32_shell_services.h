#pragma once
// The Win32 port of the registry, shortcuts, processes and mutexes.

#include <memory>

#include "platform/mutexes.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/shortcuts.h"

namespace velmar::platform {

// The 32-bit view of the registry, the one the product's programs use.
std::unique_ptr<Registry> MakeWin32Registry();
// Shell link objects of the Windows shell.
std::unique_ptr<Shortcuts> MakeWin32Shortcuts();
std::unique_ptr<Processes> MakeWin32Processes();
std::unique_ptr<Mutexes> MakeWin32Mutexes();

}  // namespace velmar::platform
