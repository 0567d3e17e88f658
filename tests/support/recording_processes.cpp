#include "support/recording_processes.h"

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
  std::shared_ptr<platform::Process> process = inner_.Start(commandLine, show);
  started_.push_back({commandLine, show, process});
  if (!process) return nullptr;
  return std::make_unique<SharedProcess>(std::move(process));
}

}  // namespace velmar::test
