#pragma once
// The installer's context for tests of pages and procedures: the port's real
// services on a temporary drive (the registry on the test's own key, the
// process port recording what it starts, a VelmarPM.exe of data ending at once, the Windows folder in the drive), the session with the English
// button captions, texts without a language file until a test loads one, and
// the log. The host is the test's own, usually a scripted host.
//
//   ui::script::ScriptHost host(script);
//   test::InstallerTestContext t(host);
//   host.Run([&] { ...; return Outcome::Finished; });

#include <memory>

#include "session/installer_context.h"
#include "platform/system.h"
#include "platform/taskbar.h"
#include "files/install_log.h"
#include "text/language_support.h"
#include "support/installer_files.h"
#include "support/recording_processes.h"
#include "support/shell_ports.h"
#include "support/temp_drive.h"

namespace velmar::test {

class InstallerTestContext {
 public:
  explicit InstallerTestContext(ui::Host& host);
  ~InstallerTestContext();

  TempDrive drive;
  // The drive's files, with its Windows folder "Windows\\".
  InstallerFiles files{drive.fs(), drive.path("Windows")};
  TestRegistry registry{drive};
  std::unique_ptr<platform::Shortcuts> shortcuts = MakePortShortcuts(drive);
  RecordingProcesses processes{MakePortProcesses(drive)};
  PrivateMutexes mutexes;
  std::unique_ptr<platform::SystemInfo> system;
  std::unique_ptr<platform::Taskbar> taskbar;
  platform::Services os;

  InstallSession session;
  LanguageSupport texts{drive.fs(), drive.root()};
  InstallLog log;
  InstallerContext app;

  // Writes a separate language file from a text source ("language 44\n50\t...")
  // and loads it.
  void LoadLanguage(const std::string& source);
};

}  // namespace velmar::test
