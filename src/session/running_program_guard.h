#pragma once
// Product files must not be replaced while a program of the product runs: each
// program holds a named mutex while it runs, and so does the installer.

#include <memory>
#include <optional>
#include <string>

#include "platform/mutexes.h"

namespace velmar {

class LanguageSupport;

struct GuardedProgram {
  const char* MutexName;
  int TextId;  // the message when it runs
};

// The programs tested before installing or uninstalling, in the order tested.
extern const GuardedProgram GuardedPrograms[5];
extern const char* const InstallerMutexName;
extern const char* const MutexChangedMessageName;
constexpr int InstallerComponentNumber = 7;

class RunningProgramGuard {
 public:
  explicit RunningProgramGuard(platform::Mutexes& mutexes) : mutexes_(mutexes) {}
  ~RunningProgramGuard() { Release(); }

  void RegisterMessages();
  // 2: another installer runs (its mutex is held too), 1: the mutex could not
  // be created, 3: created and announced.
  int AnnounceInstaller();
  void Release();

  // The translated message of the first program that runs, in table order.
  std::optional<std::string> RunningProgramMessage(const LanguageSupport& texts) const;

 private:
  platform::Mutexes& mutexes_;
  std::unique_ptr<platform::HeldMutex> own_;
};

}  // namespace velmar
