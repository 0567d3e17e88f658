#include <errno.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/command_line.h"
#include "platform/posix/files/posix_files.h"
#include "platform/posix/posix_shell_services.h"

extern char** environ;

namespace velmar::platform {
namespace {

bool IsProgramFile(const std::string& host) {
  struct stat st;
  return stat(host.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool HasExtension(const std::string& path) {
  const size_t name = path.find_last_of("\\/:");
  return path.find('.', name == std::string::npos ? 0 : name + 1) != std::string::npos;
}

class PosixProcess : public Process {
 public:
  explicit PosixProcess(pid_t pid) : pid_(pid) {}

  // Nobody waits for a program left running, so a thread of its own reaps it
  // when it ends.
  ~PosixProcess() override {
    if (ended_) return;
    std::thread([pid = pid_] {
      int status;
      while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
    }).detach();
  }
  PosixProcess(const PosixProcess&) = delete;
  PosixProcess& operator=(const PosixProcess&) = delete;

  bool Wait(uint32_t timeoutMs) override {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!Reap()) {
      const auto now = std::chrono::steady_clock::now();
      if (now >= deadline) return false;
      std::this_thread::sleep_for(
          std::min<std::chrono::steady_clock::duration>(deadline - now, std::chrono::milliseconds(5)));
    }
    return true;
  }

  std::optional<uint32_t> ExitCode() override {
    if (!Reap()) return std::nullopt;
    return exitCode_;
  }

  bool Terminate() override { return !Reap() && kill(pid_, SIGKILL) == 0; }

 private:
  bool Reap() {
    if (ended_) return true;
    int status = 0;
    const pid_t got = waitpid(pid_, &status, WNOHANG);
    if (got == 0 || (got < 0 && errno == EINTR)) return false;
    ended_ = true;
    if (got < 0)
      exitCode_ = std::nullopt;  // reaped elsewhere: the code is lost
    else if (WIFEXITED(status))
      exitCode_ = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
      exitCode_ = 128 + WTERMSIG(status);  // the shells' convention
    return true;
  }

  pid_t pid_;
  bool ended_ = false;
  std::optional<uint32_t> exitCode_;
};

class PosixProcesses : public Processes {
 public:
  PosixProcesses(PosixFileSystem& fs, std::string folderOpener) : fs_(fs), folderOpener_(std::move(folderOpener)) {}

  std::unique_ptr<Process> Start(const std::string& commandLine, WindowShow) override {
    if (const auto folder = ExplorerFolder(commandLine)) {
      const auto host = fs_.hostPath(*folder);
      if (!host) return nullptr;
      return Spawn(folderOpener_, {folderOpener_, *host}, true);
    }
    for (const ProgramCandidate& reading : ProgramCandidates(commandLine)) {
      const auto program = FindProgram(reading.program);
      if (!program) continue;
      std::vector<std::string> argv = {*program};
      for (std::string& arg : SplitArguments(reading.arguments)) argv.push_back(std::move(arg));
      return Spawn(*program, argv, false);
    }
    return nullptr;
  }

  std::string ProgramPath() override {
    std::string host(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", host.data(), host.size());
    if (n <= 0 || static_cast<size_t>(n) >= host.size()) return {};
    host.resize(static_cast<size_t>(n));
    return fs_.windowsPath(host).value_or(std::string());
  }

 private:
  // A path goes through the drive table; a bare name is looked for in the
  // current folder and then on the host's PATH, as Windows looks in its
  // folders. Windows adds ".exe" to a name without extension.
  std::optional<std::string> FindProgram(const std::string& program) {
    std::vector<std::string> names = {program};
    if (!HasExtension(program)) names.push_back(program + ".exe");
    for (const std::string& name : names)
      if (const auto host = fs_.hostPath(name); host && IsProgramFile(*host)) return host;
    if (program.find_first_of("\\/:") != std::string::npos) return std::nullopt;
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "";
    while (!dirs.empty()) {
      const size_t colon = dirs.find(':');
      const std::string dir(dirs.substr(0, colon));
      dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
      if (dir.empty()) continue;
      if (const std::string host = dir + "/" + program; IsProgramFile(host) && access(host.c_str(), X_OK) == 0)
        return host;
    }
    return std::nullopt;
  }

  std::unique_ptr<Process> Spawn(const std::string& program, const std::vector<std::string>& args, bool searchPath) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const auto folder = fs_.hostPath(fs_.currentFolder());
    if (folder) posix_spawn_file_actions_addchdir_np(&actions, folder->c_str());
    pid_t pid = 0;
    const int rc = searchPath ? posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ)
                              : posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return nullptr;
    return std::make_unique<PosixProcess>(pid);
  }

  PosixFileSystem& fs_;
  std::string folderOpener_;
};

}  // namespace

std::unique_ptr<Processes> MakePosixProcesses(PosixFileSystem& fs, std::string folderOpener) {
  return std::make_unique<PosixProcesses>(fs, std::move(folderOpener));
}

}  // namespace velmar::platform
