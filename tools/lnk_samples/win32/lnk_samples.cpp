// Makes the sample shortcuts of tests/data/lnk with the shell of the Windows
// the program runs on (scripts/make_lnk_samples.sh runs it under Wine):
//   lnk_samples <output folder> <folder for the targets>
// The shortcut tests read them back with our own shell link reader.

#include <cstdio>
#include <string>

#include "platform/win32/windows_api.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_shell_services.h"

namespace {

using velmar::ShortcutProperties;

bool MakeFile(const std::string& path) {
  const HANDLE file = CreateFileW(velmar::platform::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool MakeFolder(const std::string& path) {
  return CreateDirectoryW(velmar::platform::Widen(path).c_str(), nullptr) ||
         GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: lnk_samples <output folder> <folder for the targets>\n");
    return 2;
  }
  const std::string out = std::string(argv[1]) + "\\";
  const std::string targets = std::string(argv[2]) + "\\";
  const std::string project = targets + "Demo Project\\";
  if (!MakeFolder(targets) || !MakeFolder(project) || !MakeFile(project + "Demo.VPR") ||
      !MakeFile(targets + "VelmarPM.exe")) {
    std::fprintf(stderr, "cannot make the targets in %s\n", targets.c_str());
    return 1;
  }

  struct Sample {
    const char* file;
    ShortcutProperties properties;
  };
  const Sample samples[] = {
      // As the installer makes project shortcuts: target, its folder, description.
      {"project.lnk", {project + "Demo.VPR", project, "VELMAR project shortcut", "", "", 0}},
      // Every property, with letters beyond ASCII.
      {"program.lnk",
       {targets + "VelmarPM.exe", targets, "Projektverwaltung f\xC3\xBCr \xC3\xA9tudes", "/regserver \"a b\"",
        targets + "VelmarPM.exe", 2}},
      // A folder as the target.
      {"folder.lnk", {project, targets, "Demo folder", "", "", 0}},
      // A target that does not exist (yet).
      {"missing.lnk", {targets + "Later\\Plant.VPR", targets + "Later\\", "Not there", "", "", 0}},
  };
  auto shortcuts = velmar::platform::MakeWin32Shortcuts();
  int failed = 0;
  for (const Sample& s : samples) {
    if (!shortcuts->CreateShortcut(out + s.file, s.properties)) {
      std::fprintf(stderr, "cannot save %s%s\n", out.c_str(), s.file);
      ++failed;
    }
  }
  return failed ? 1 : 0;
}
