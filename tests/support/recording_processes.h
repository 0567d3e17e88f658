#pragma once
// A process port that passes every start to the real one and keeps what was
// started: the command lines for the test to read, the programs for the test
// to wait for or end. Programs still running when it goes are ended.

#include <memory>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace velmar::test {

class RecordingProcesses : public platform::Processes {
 public:
  explicit RecordingProcesses(platform::Processes& inner) : inner_(inner) {}
  ~RecordingProcesses() override;

  std::unique_ptr<platform::Process> Start(const std::string& commandLine, platform::WindowShow show) override;
  std::string ProgramPath() override { return inner_.ProgramPath(); }

  struct Started {
    std::string commandLine;
    platform::WindowShow show;
    std::shared_ptr<platform::Process> process;  // none: it did not start
  };
  const std::vector<Started>& started() const { return started_; }

 private:
  platform::Processes& inner_;
  std::vector<Started> started_;
};

}  // namespace velmar::test
