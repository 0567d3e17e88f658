#pragma once
#include <memory>

#include "platform/system.h"

namespace velmar::platform {

// The facts of the machine this program runs on.
std::unique_ptr<SystemInfo> MakeHostSystemInfo();

}  // namespace velmar::platform
