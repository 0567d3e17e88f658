#include "app/run_installer.h"

#include "session/installer_context.h"
#include "app/main_form.h"
#include "session/running_program_guard.h"
#include "platform/system.h"
#include "files/program_check.h"
#include "files/file_utils.h"
#include "base/path_utils.h"
#include "files/install_log.h"
#include "text/language_support.h"
#include "ui/host.h"

namespace velmar {

const char* const DamagedProgramMessage =
    "ERROR: The installer's program file is damaged !\r\nCopy the installation medium again.\r\n\r\n";

InstallerEnd RunInstaller(platform::Services& os, ui::Host& host, const std::vector<std::string>& arguments,
                          InstallSession& session) {
  session = InstallSession{};
  const std::string program = os.system.programPath();
  session.MediumRoot = program.substr(0, program.find_last_of("\\:") + 1);
  session.MediumIsCdRom = IsOnCdRom(os.files, session.MediumRoot);
  session.InstallerVersion = os.system.programVersion();

  LanguageSupport texts(os.files, session.MediumRoot);
  InstallLog log(os.files, os.system.ansiCodePage(), [&os] { return os.system.now(); });
  InstallerContext app{os, host, session, texts, log};

  StartupFacts facts{arguments, DefaultLanguageCode(os.system.primaryLanguage())};
  RunningProgramGuard guard(os.mutexes);
  guard.RegisterMessages();

  TMainForm main(app, guard, facts);
  // The native build's program is no Windows program and carries no checksum.
  const ProgramCheck check = CheckProgramFile(os.files, program);
  if (check != ProgramCheck::Intact && check != ProgramCheck::NotAProgram)
    host.ShowMessage(DamagedProgramMessage + program, ui::ApplicationTitle, ui::MessageIcon::Error);
  main.ShowModal();
  main.FormDestroy();
  return main.End;
}

InstallerEnd RunInstaller(platform::Services& os, ui::Host& host, const std::vector<std::string>& arguments) {
  InstallSession session;
  return RunInstaller(os, host, arguments, session);
}

}  // namespace velmar
