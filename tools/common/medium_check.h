#pragma once
// The medium check: reads an install medium the way the installer does and
// names every problem the installer would meet, each with its file (relative
// to the medium's root) and its weight.

#include <string>
#include <vector>

#include "base/codepage.h"
#include "platform/files/file_system.h"

namespace velmar::medcheck {

enum class Severity {
  Warning,  // something will look wrong
  Error,    // a function will fail or do harm
};

struct Finding {
  Severity severity;
  std::string file;  // relative to the medium's root; "" for the medium itself
  std::string text;
  bool operator==(const Finding&) const = default;
};

struct Report {
  std::vector<Finding> findings;
  // What the installer makes of the medium beside the problems: the project
  // tree F5 shows, the custom installs it accepts.
  std::vector<std::string> details;
  // 0 clean, 1 warnings only, 2 errors.
  int ExitStatus() const;
};

struct CheckOptions {
  CodePage ansiCodePage = CodePage::Cp1252;  // of Setup.ini, Custom.ini and the driver markers
  unsigned threads = 2;                      // that read the archives
};

// The file system is read from several threads at once: each archive gets
// its own reader.
Report CheckMedium(platform::FileSystem& fs, const std::string& mediumRoot, const CheckOptions& options = {});

// "error: Velmar\Velmar3500.zip: ..." (one line, without its line end).
std::string FormatFinding(const Finding& finding);

}  // namespace velmar::medcheck
