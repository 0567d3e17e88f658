#pragma once
// A process port that passes every start to another one and keeps what was
// asked for: the command lines for the test to read, the programs for the
// test to wait for or end. A program the test refuses does not start, as one
// that is missing. Programs still running when it goes are ended.

#include <memory>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace velmar::test {

class RecordingProcesses : public platform::Processes {
 public:
  explicit RecordingProcesses(std::unique_ptr<platform::Processes> inner) : inner_(std::move(inner)) {}
  ~RecordingProcesses() override;

  std::unique_ptr<platform::Process> Start(const std::string& commandLine, platform::WindowShow show) override;
  std::string ProgramPath() override { return inner_->ProgramPath(); }

  // Command lines that begin with this ("explorer.exe", case ignored) start nothing.
  void Refuse(std::string program) { refused_.push_back(std::move(program)); }
  // A program of this file name ("VelmarPM.exe") that the port cannot start,
  // because the test's archives hold it as a few bytes of data, runs and
  // ends at once with exit code 0, as the product's program would. Refused
  // programs still do not start.
  void EndAtOnce(std::string fileName) { endAtOnce_.push_back(std::move(fileName)); }

  struct Started {
    std::string commandLine;
    platform::WindowShow show;
    std::shared_ptr<platform::Process> process;  // none: it did not start
  };
  // Every start asked for, in order, whether it started or not.
  const std::vector<Started>& started() const { return started_; }
  std::vector<std::string> commandLines() const;

 private:
  std::unique_ptr<platform::Processes> inner_;
  std::vector<std::string> refused_;
  std::vector<std::string> endAtOnce_;
  std::vector<Started> started_;
};

}  // namespace velmar::test
