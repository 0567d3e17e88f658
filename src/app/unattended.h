#pragma once
// Unattended runs: the installer played by an answer file, its transcript
// printed and kept.

#include <string>
#include <vector>

#include "app/run_installer.h"
#include "platform/services.h"
#include "ui/script/script_host.h"

namespace velmar {

struct UnattendedOptions {
  std::string AnswerFile;      // host path
  std::string TranscriptFile;  // host path; empty: none
  bool Echo = true;            // print the transcript as it grows
};

// Takes "/answers=FILE" and "/transcript=FILE" out of the arguments; true
// when an answer file was given.
bool TakeUnattendedOptions(std::vector<std::string>& arguments, UnattendedOptions& options);

// How an installer run ends, as the outcome of a scripted run.
ui::script::Outcome OutcomeOf(InstallerEnd end);

// Runs the installer under the answer file; the exit status of the run
// (0 finished, 1 cancelled, 2 the answer file did not fit, 3 failed).
int RunUnattended(platform::Services& os, const std::vector<std::string>& arguments,
                  const UnattendedOptions& options);

}  // namespace velmar
