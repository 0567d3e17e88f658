#pragma once
// Facts about the running program and the machine it runs on.

#include <string>

#include "base/codepage.h"
#include "base/timestamp.h"
#include "platform/files/file_system.h"

namespace velmar::platform {

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  // Full Windows path of the running program file.
  virtual std::string programPath() = 0;
  // The running program's version: its version resource on Windows, the
  // build's version where programs carry none.
  virtual VersionNumbers programVersion() = 0;
  // The primary language id of the user's Windows language (7 German, 9 English,
  // 12 French, 21 Polish, ...).
  virtual int primaryLanguage() = 0;
  // The system's ANSI code page: that of INI files, the log, project files
  // and readmes, which the product's other programs read and write too. It
  // may be one that base/ cannot convert (CanConvert).
  virtual CodePage ansiCodePage() = 0;
  // Windows of the NT family (not 95/98/Me).
  virtual bool isNtFamily() = 0;
  virtual LocalDateTime now() = 0;
};

}  // namespace velmar::platform
