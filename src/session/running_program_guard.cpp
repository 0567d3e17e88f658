#include "session/running_program_guard.h"

#include "text/language_support.h"
#include "text/texts.h"

namespace velmar {

// The names the product's programs create while they run.
const GuardedProgram GuardedPrograms[5] = {
    {"rmVel_Velmar_Run_Mutex", text::VelmarRunning},
    {"rmVel_ProjectManager_Run_Mutex", text::ProjectManagerRunning},
    {"rmVel_ArchiveViewer_Run_Mutex", text::ArchiveViewerRunning},
    {"rmVel_PrinterSpooler_Run_Mutex", text::PrinterSpoolerRunning},
    {"rmVel_SmsServer_Run_Mutex", text::SmsServerRunning},
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
      return texts.Text(program.TextId);
  }
  return std::nullopt;
}

}  // namespace velmar
