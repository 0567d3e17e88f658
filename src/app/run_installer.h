#pragma once
// The program: start-up, the backdrop with the dispatcher, and the end.

#include <string>
#include <vector>

#include "session/install_session.h"
#include "platform/services.h"

namespace velmar {
namespace ui {
class Host;
}

// How a run ended.
enum class InstallerEnd {
  Finished,   // the user left the selection, or the function given on the command line ran
  Cancelled,  // the language page was cancelled, or the backdrop closed with Esc
  Failed,     // the language file is missing or unusable, or an error stopped the dispatcher
  FinishedWithErrors,  // finished, but a function reported a failed step
};

// Runs the installer on the given services and host; arguments without the
// program name. The session is the run's record from start to end; the
// caller sees it as the program left it.
InstallerEnd RunInstaller(platform::Services& os, ui::Host& host, const std::vector<std::string>& arguments,
                          InstallSession& session);
InstallerEnd RunInstaller(platform::Services& os, ui::Host& host, const std::vector<std::string>& arguments);

}  // namespace velmar
