#pragma once
// Starting other programs and waiting for them. Command lines are Windows
// command lines: the program first (quoted when it holds blanks, or found the
// way Windows finds an unquoted one), then its arguments.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace velmar::platform {

enum class WindowShow { Normal, Minimized };

// A started program. Dropping the object never ends the program: one that
// outlives every wait is left running.
class Process {
 public:
  virtual ~Process() = default;
  // Waits at most timeoutMs milliseconds; true when the program has ended.
  virtual bool Wait(uint32_t timeoutMs) = 0;
  bool HasEnded() { return Wait(0); }
  // The exit code once the program has ended; nothing while it runs.
  virtual std::optional<uint32_t> ExitCode() = 0;
  // Ends the program at once. Only for tests and emergencies; the installer
  // itself never ends what it started.
  virtual bool Terminate() = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;
  // Starts the command line in a console of its own at normal priority, with
  // its main window shown as asked, inheriting the current folder and the
  // environment. Nothing when it could not be started.
  virtual std::unique_ptr<Process> Start(const std::string& commandLine, WindowShow show) = 0;
  // Windows path of this running program's file.
  virtual std::string ProgramPath() = 0;
};

}  // namespace velmar::platform
