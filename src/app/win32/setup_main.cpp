// The installer on Windows.

#include <string>
#include <vector>

#include "app/unattended.h"
#include "platform/host_services.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"
#include "services/errors.h"

#include <shellapi.h>

namespace {

std::vector<std::string> Arguments() {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(velmar::platform::Narrow(argv[i]));
  LocalFree(argv);
  return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, wchar_t*, int) {
  std::vector<std::string> arguments = Arguments();
  velmar::UnattendedOptions options;
  try {
    velmar::platform::HostServices host;
    if (velmar::TakeUnattendedOptions(arguments, options))
      return velmar::RunUnattended(host.services(), arguments, options);
    MessageBoxW(nullptr, L"This build of the installer runs unattended only: start it with /answers=FILE.",
                L"Installer", MB_OK | MB_ICONERROR);
    return 2;
  } catch (const velmar::InstallerError& e) {
    MessageBoxW(nullptr, velmar::platform::Widen(e.what()).c_str(), L"Installer", MB_OK | MB_ICONERROR);
    return 3;
  }
}
