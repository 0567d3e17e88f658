// medcheck: reads an install medium the way the installer does and reports
// every problem the installer would meet, one line each:
//
//   medcheck [--verbose] MEDIUM_FOLDER
//
// "error: FILE: TEXT" where a function will fail or do harm, "warning: FILE:
// TEXT" where something will look wrong; FILE is relative to the medium.
// With --verbose it also shows the project tree of F5 and the custom installs
// accepted. The archives are read in full, with their CRCs, on two threads.
//
// Exit status: 0 clean, 1 warnings only, 2 errors, 3 wrong arguments or no
// such folder.

#include <cstdio>
#include <string>
#include <string_view>

#include "common/medium_check.h"
#include "platform/files/host_files.h"
#include "platform/system.h"
#include "platform/system_host.h"
#include "base/path_utils.h"
#include "files/file_utils.h"

int main(int argc, char** argv) {
  using namespace velmar;
  bool verbose = false, wrong = false;
  std::string folder;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--verbose" || argument == "-v") verbose = true;
    else if (folder.empty() && !argument.empty() && argument[0] != '-') folder = argument;
    else wrong = true;
  }
  if (folder.empty() || wrong) {
    std::fputs("usage: medcheck [--verbose] MEDIUM_FOLDER\n", stderr);
    return 3;
  }
  auto files = platform::MakeHostFileSystem();
  const std::string root = platform::HostPathToWindows(folder);
  if (!FolderExists(*files, WithBackslash(root))) {
    std::fprintf(stderr, "medcheck: %s: no such folder\n", folder.c_str());
    return 3;
  }
  medcheck::CheckOptions options;
  options.ansiCodePage = platform::MakeHostSystemInfo()->ansiCodePage();
  const medcheck::Report report = medcheck::CheckMedium(*files, root, options);
  if (verbose)
    for (const std::string& line : report.details) std::printf("%s\n", line.c_str());
  for (const medcheck::Finding& finding : report.findings) std::printf("%s\n", medcheck::FormatFinding(finding).c_str());
  size_t errors = 0;
  for (const medcheck::Finding& finding : report.findings) errors += finding.severity == medcheck::Severity::Error;
  std::printf("%zu error%s, %zu warning%s\n", errors, errors == 1 ? "" : "s", report.findings.size() - errors,
              report.findings.size() - errors == 1 ? "" : "s");
  std::fflush(stdout);
  return report.ExitStatus();
}
