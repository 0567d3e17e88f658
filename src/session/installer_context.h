#pragma once
// What the installer's functions work with: the operating system, the host
// that shows pages, the session record, the texts and the log.

#include <string>

#include "session/install_session.h"
#include "platform/services.h"
#include "files/install_log.h"

namespace velmar {

class LanguageSupport;
namespace ui {
class Host;
}

struct InstallerContext {
  platform::Services& os;
  ui::Host& host;
  InstallSession& session;
  LanguageSupport& texts;
  InstallLog& log;

  void LogLine(const std::string& text) { log.LogLine(session.VelmarPath, text); }
};

}  // namespace velmar
