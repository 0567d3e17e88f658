#pragma once
// The program: start-up, the backdrop with the dispatcher, and the end.

#include <string>
#include <vector>

#include "platform/services.h"

namespace velmar {
namespace ui {
class Host;
}

// Runs the installer on the given services and host; arguments without the
// program name. False when the user cancelled at the start.
bool RunInstaller(platform::Services& os, ui::Host& host, const std::vector<std::string>& arguments);

}  // namespace velmar
