#pragma once
#include <memory>

#include "platform/taskbar.h"

namespace velmar::platform {
std::unique_ptr<Taskbar> MakeHostTaskbar();
}
