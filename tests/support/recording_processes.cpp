#include "support/recording_processes.h"

#include <algorithm>

#include "base/text_case.h"

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
  if (std::none_of(refused_.begin(), refused_.end(), refused)) process = inner_->Start(commandLine, show);
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
