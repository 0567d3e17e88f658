// The installer on Linux: the whole program on the POSIX port, played by an
// answer file (there are no windows to show here).

#include <cstdio>
#include <string>
#include <vector>

#include "app/unattended.h"
#include "platform/files/host_files.h"
#include "platform/host_services.h"
#include "base/errors.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  velmar::UnattendedOptions options;
  if (!velmar::TakeUnattendedOptions(arguments, options)) {
    std::fprintf(stderr,
                 "usage: %s [installer switches] /answers=FILE [/transcript=FILE] [/record=FILE]\n"
                 "The Linux build of the installer runs unattended, played by an answer file.\n",
                 argv[0]);
    return 2;
  }
  try {
    velmar::ToWindowsPaths(options, velmar::platform::HostPathToWindows);
    velmar::platform::HostServices host;
    return velmar::RunUnattended(host.services(), arguments, options);
  } catch (const velmar::InstallerError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 3;
  }
}
