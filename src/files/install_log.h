#pragma once
// Install.log in the product folder: one dated line per step worth knowing
// afterwards, in the system's ANSI code page. Entries that cannot be written
// are lost without a word; so is an entry with letters beyond ASCII in a code
// page the installer cannot convert.

#include <functional>
#include <string>

#include "base/codepage.h"
#include "platform/files/file_system.h"
#include "platform/system.h"

namespace velmar {

class InstallLog {
 public:
  using Clock = std::function<LocalDateTime()>;
  InstallLog(platform::FileSystem& fs, CodePage ansiCodePage, Clock clock)
      : fs_(fs), page_(ansiCodePage), clock_(std::move(clock)) {}

  // The first call made while velmarPath is not empty fixes the log's place
  // for the rest of the run. "" writes an empty line, "-" the separator.
  void LogLine(const std::string& velmarPath, const std::string& text);

  const std::string& Path() const { return path_; }

 private:
  bool Append(const std::string& bytes);

  platform::FileSystem& fs_;
  CodePage page_;
  Clock clock_;
  std::string path_;
};

}  // namespace velmar
