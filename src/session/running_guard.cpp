#include "session/running_guard.h"

#include "services/text/language.h"

namespace velmar {

// The names the product's programs create while they run.
const GuardedProgram GuardedPrograms[5] = {
    {"rmVel_Velmar_Run_Mutex", 10, "Cannot install !\r\nVelmar is running !"},
    {"rmVel_ProjectManager_Run_Mutex", 11, "Cannot install !\r\nVelmar Project manager is running !"},
    {"rmVel_ArchiveViewer_Run_Mutex", 12, "Cannot install !\r\nArchive viewer is running !"},
    {"rmVel_PrinterSpooler_Run_Mutex", 13, "Cannot install !\r\nVelmar printer spooler is running !"},
    {"rmVel_SmsServer_Run_Mutex", 14, "Cannot install !\r\nSMS Server is running !"},
};
const char* const InstallerMutexName = "rmVel_Installer_Run_Mutex";
const char* const MutexChangedMessageName = "VelmarSystem_Mutex_Changed";

void RunningProgramGuard::RegisterMessages() { mutexes_.RegisterChangeMessage(MutexChangedMessageName); }

int RunningProgramGuard::AnnounceInstaller() {
  if ((own_ = mutexes_.Open(InstallerMutexName))) return 2;
  if (!(own_ = mutexes_.Create(InstallerMutexName))) return 1;
  mutexes_.Broadcast(InstallerComponentNumber, 55);
  return 3;
}

void RunningProgramGuard::Release() {
  if (!own_) return;
  own_.reset();
  mutexes_.Broadcast(InstallerComponentNumber, 1000);
}

std::optional<std::string> RunningProgramGuard::RunningProgramMessage(const LanguageSupport& texts) const {
  for (const auto& program : GuardedPrograms) {
    if (mutexes_.Exists(program.MutexName))
      return texts.Translate(16, program.TextId, program.DefaultText);
  }
  return std::nullopt;
}

}  // namespace velmar
