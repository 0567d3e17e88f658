#include "support/recording_processes.h"

#include <algorithm>

#include "base/text_case.h"
#include "platform/command_line.h"

namespace velmar::test {
namespace {

// What the caller gets: the same program, shared with the record.
class SharedProcess : public platform::Process {
 public:
  explicit SharedProcess(std::shared_ptr<platform::Process> process) : process_(std::move(process)) {}
  bool Wait(uint32_t timeoutMs) override { return process_->Wait(timeoutMs); }
  std::optional<uint32_t> ExitCode() override { return process_->ExitCode(); }
  bool Terminate() override { return process_->Terminate(); }

 private:
  std::shared_ptr<platform::Process> process_;
};

// A program that has run and ended with 0.
class EndedProcess : public platform::Process {
 public:
  bool Wait(uint32_t) override { return true; }
  std::optional<uint32_t> ExitCode() override { return 0; }
  bool Terminate() override { return false; }
};

// The program's file name: of the first word of the command line, or of its quoted start.
std::string ProgramFileName(const std::string& commandLine) {
  const auto readings = platform::ProgramCandidates(commandLine);
  const std::string program = readings.empty() ? "" : readings.front().program;
  return program.substr(program.find_last_of("\\/") + 1);
}

}  // namespace

RecordingProcesses::~RecordingProcesses() {
  for (Started& start : started_) {
    if (!start.process || start.process->HasEnded()) continue;
    start.process->Terminate();
    start.process->Wait(20000);
  }
}

std::unique_ptr<platform::Process> RecordingProcesses::Start(const std::string& commandLine,
                                                             platform::WindowShow show) {
  std::shared_ptr<platform::Process> process;
  const auto refused = [&](const std::string& program) {
    return SameText(std::string_view(commandLine).substr(0, program.size()), program);
  };
  if (std::none_of(refused_.begin(), refused_.end(), refused)) {
    process = inner_->Start(commandLine, show);
    const std::string name = ProgramFileName(commandLine);
    const auto same = [&](const std::string& standIn) { return SameText(standIn, name); };
    if (!process && std::any_of(endAtOnce_.begin(), endAtOnce_.end(), same)) process = std::make_shared<EndedProcess>();
  }
  started_.push_back({commandLine, show, process});
  if (!process) return nullptr;
  return std::make_unique<SharedProcess>(std::move(process));
}

std::vector<std::string> RecordingProcesses::commandLines() const {
  std::vector<std::string> lines;
  for (const Started& start : started_) lines.push_back(start.commandLine);
  return lines;
}

}  // namespace velmar::test
