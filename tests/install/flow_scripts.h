#pragma once
// Scripts of whole runs shared by the flow tests: a function started from the
// selection page, and the end of a run after the function's last message.

#include <string>

#include "support/installer_fixture.h"

namespace velmar::test {

// F2 from the selection page with every page left by Next; the script goes
// on at the unzip dialog.
inline ui::script::Script ProductInstall() {
  ui::script::Script script = ToSelection();
  StartInstall(script, ui::Key::F2).Page("TMainInstallForm").Click("NextBtn");
  script.Page("TWinLinksForm").Click("NextBtn").Page("TProjectOptionsForm").Click("NextBtn");
  return std::move(script.Page("TReadyToInstallForm").Click("NextBtn").Page("TUnzipForm"));
}

// The function's end message (empty: none) answered with OK, and the
// program left from the selection page.
inline ui::script::Script& EndWith(ui::script::Script& script, const std::string& message) {
  if (!message.empty()) script.Answer(message, ui::Answer::Ok);
  return BackToSelection(script).Key(ui::Key::Escape);
}

// The entries of the product folder's Install.log (see LogEntries).
inline std::string FlowLog(InstallerFixture& f) {
  return LogEntries(f.ReadFile(f.drive.path("Velmar\\Install.log")).value_or(""));
}

}  // namespace velmar::test
