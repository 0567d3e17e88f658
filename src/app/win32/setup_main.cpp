// The installer on Windows: real windows; with an answer file the same
// windows are played through their own messages (or, with /headless, the
// page models alone).

#include <string>
#include <vector>

#include "app/run_installer.h"
#include "app/unattended.h"
#include "platform/files/file_contents.h"
#include "platform/files/host_files.h"
#include "platform/host_services.h"
#include "platform/pictures.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"
#include "base/errors.h"
#include "ui/win32/win32_host.h"

#include <shellapi.h>

namespace {

// Setup.exe is often started from a folder others can write (a copied medium
// on a share, a download folder): from now on libraries come from the system
// folder only, never from the program's own folder or the current one.
void LoadLibrariesFromTheSystemFolderOnly() {
  constexpr DWORD SearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const auto set = reinterpret_cast<SetDirectories>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (!set || !set(SearchSystem32)) SetDllDirectoryW(L"");  // at least not the current folder
}

std::vector<std::string> Arguments() {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(velmar::platform::Narrow(argv[i]));
  LocalFree(argv);
  return arguments;
}

}  // namespace

namespace velmar {

// A person works the real windows while what they do is recorded as an answer
// file (and, with /transcript, the run's transcript kept); the exit status as
// an unattended run's, 3 when the answer file or the transcript cannot be
// written.
int RunRecording(platform::Services& os, const std::vector<std::string>& arguments, const UnattendedOptions& options,
                 platform::Pictures& pictures) {
  const auto recorder = MakeRecorder(os, options, arguments);
  if (!recorder->Start()) {
    MessageBoxW(nullptr, platform::Widen("Cannot write the answer file " + options.RecordFile).c_str(), L"Installer",
                MB_OK | MB_ICONERROR);
    return 3;
  }
  ui::win32::Win32HostOptions hostOptions;
  hostOptions.recorder = recorder.get();
  hostOptions.transcript = !options.TranscriptFile.empty();
  ui::win32::Win32Host host(os.files, pictures, hostOptions);
  const auto outcome = host.Run([&] { return OutcomeOf(RunInstaller(os, host, arguments)); });
  bool written = recorder->Finish();
  if (!options.TranscriptFile.empty() &&
      !platform::ReplaceFileContents(os.files, options.TranscriptFile, host.TranscriptText()))
    written = false;
  return written ? ui::script::ExitStatus(outcome) : 3;
}

}  // namespace velmar

int WINAPI wWinMain(HINSTANCE, HINSTANCE, wchar_t*, int) {
  LoadLibrariesFromTheSystemFolderOnly();
  using velmar::ui::win32::Win32Host;
  std::vector<std::string> arguments = Arguments();
  velmar::UnattendedOptions options;
  try {
    velmar::platform::HostServices machine;
    velmar::platform::Services& os = machine.services();
    const auto pictures = velmar::platform::MakeHostPictures(os.files);
    const bool unattended = velmar::TakeUnattendedOptions(arguments, options);
    velmar::ToWindowsPaths(options, velmar::platform::HostPathToWindows);
    if (unattended && options.Headless) return velmar::RunUnattended(os, arguments, options);
    if (unattended) {
      return velmar::RunUnattended(os, arguments, options,
                                   [&](velmar::ui::script::Script script, const velmar::UnattendedOptions& o,
                                       const velmar::ProgramOnHost& program) {
                                     velmar::ui::win32::Win32HostOptions hostOptions;
                                     hostOptions.script = std::move(script);
                                     hostOptions.pictureFolder = o.PictureFolder;
                                     hostOptions.recorder = o.Recorder;
                                     if (o.Echo)
                                       hostOptions.echo = [](const std::string& line) {
                                         std::printf("%s\n", line.c_str());
                                       };
                                     std::string fitReport;
                                     if (!o.FitReportFile.empty())
                                       hostOptions.fitReport = [&](const std::string& line) {
                                         fitReport += line + "\r\n";
                                       };
                                     Win32Host host(os.files, *pictures, hostOptions);
                                     const auto outcome = host.Run([&] { return program(host); });
                                     if (!o.FitReportFile.empty() &&
                                         !velmar::platform::ReplaceFileContents(os.files, o.FitReportFile, fitReport))
                                       std::fprintf(stderr, "Cannot write the fit report %s\n", o.FitReportFile.c_str());
                                     return velmar::PlayedRun{outcome, host.TranscriptText(), host.EndMessage()};
                                   });
    }
    if (!options.RecordFile.empty()) return velmar::RunRecording(os, arguments, options, *pictures);
    Win32Host host(os.files, *pictures);
    const auto outcome = host.Run([&] { return velmar::OutcomeOf(velmar::RunInstaller(os, host, arguments)); });
    return velmar::ui::script::ExitStatus(outcome);
  } catch (const velmar::InstallerError& e) {
    MessageBoxW(nullptr, velmar::platform::Widen(e.what()).c_str(), L"Installer", MB_OK | MB_ICONERROR);
    return 3;
  }
}
