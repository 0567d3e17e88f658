#pragma once
// Unattended runs: the installer played by an answer file, its transcript
// printed and kept.

#include <functional>
#include <string>
#include <vector>

#include "app/run_installer.h"
#include "platform/services.h"
#include "ui/script/script_host.h"

namespace velmar {

struct UnattendedOptions {
  std::string AnswerFile;      // host path
  std::string TranscriptFile;  // host path; empty: none
  std::string PictureFolder;   // where a windowed host saves a picture of each page; empty: none
  bool Headless = false;       // play the file on the models, without windows
  bool Echo = true;            // print the transcript as it grows
};

// How a host played a script.
struct PlayedRun {
  ui::script::Outcome Outcome = ui::script::Outcome::Failed;
  std::string Transcript;
  std::string EndMessage;
};
using ProgramOnHost = std::function<ui::script::Outcome(ui::Host&)>;
// Plays the script with a host of its choosing while the program runs on it.
using ScriptRunner = std::function<PlayedRun(ui::script::Script script, const UnattendedOptions& options,
                                             const ProgramOnHost& program)>;

// The scripted host: the models alone, no windows.
PlayedRun RunOnScriptedHost(ui::script::Script script, const UnattendedOptions& options,
                            const ProgramOnHost& program);

// Takes "/answers=FILE", "/transcript=FILE", "/pictures=FOLDER" and
// "/headless" out of the arguments; true when an answer file was given.
bool TakeUnattendedOptions(std::vector<std::string>& arguments, UnattendedOptions& options);

// How an installer run ends, as the outcome of a scripted run.
ui::script::Outcome OutcomeOf(InstallerEnd end);

// Runs the installer under the answer file; the exit status of the run
// (0 finished, 1 cancelled, 2 the answer file did not fit, 3 failed).
int RunUnattended(platform::Services& os, const std::vector<std::string>& arguments,
                  const UnattendedOptions& options, const ScriptRunner& runner = RunOnScriptedHost);

}  // namespace velmar
