#pragma once
// Unattended runs: the installer played by an answer file, its transcript
// printed and kept.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/run_installer.h"
#include "platform/services.h"
#include "ui/script/answer_recorder.h"
#include "ui/script/script_host.h"

namespace velmar {

// The files are Windows paths, read and written through the file system of
// the services the run is given; a program's entry turns the paths it is given
// into Windows paths (platform::HostPathToWindows).
struct UnattendedOptions {
  std::string AnswerFile;
  std::string TranscriptFile;  // empty: none
  std::string PictureFolder;   // where a windowed host saves a picture of each page; empty: none
  std::string RecordFile;      // the answer file that records what is done; empty: none
  std::string FitReportFile;   // where a windowed host reports texts that do not fit; empty: none
  bool Headless = false;       // play the file on the models, without windows
  bool Echo = true;            // print the transcript as it grows
  // Made by RunUnattended from RecordFile, for the host that plays the run.
  ui::script::AnswerRecorder* Recorder = nullptr;
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

// Takes "/answers=FILE", "/transcript=FILE", "/pictures=FOLDER", "/record=FILE",
// "/fitcheck=FILE" and "/headless" out of the arguments; true when an answer file was given.
bool TakeUnattendedOptions(std::vector<std::string>& arguments, UnattendedOptions& options);
// The paths as hostToWindows gives them (the paths of a command line are the host's).
void ToWindowsPaths(UnattendedOptions& options, const std::function<std::string(const std::string&)>& hostToWindows);

// How an installer run ends, as the outcome of a scripted run.
ui::script::Outcome OutcomeOf(InstallerEnd end);

// The recorder of options.RecordFile (none when it is empty), its heading
// naming the time, the medium and the switches (the arguments left for the
// installer). Nothing is written before Start.
std::unique_ptr<ui::script::AnswerRecorder> MakeRecorder(platform::Services& os, const UnattendedOptions& options,
                                                        const std::vector<std::string>& arguments);

// Runs the installer under the answer file; the exit status of the run
// (0 finished, 1 cancelled, 2 the answer file did not fit, 3 failed). An
// answer file that cannot be read gives 3 and one that is not written right
// gives 2, before the installer starts; a transcript that cannot be written
// gives 3, and so does an answer file being recorded (/record) that cannot be
// written. Each of these is told on standard error.
int RunUnattended(platform::Services& os, const std::vector<std::string>& arguments,
                  const UnattendedOptions& options, const ScriptRunner& runner = RunOnScriptedHost);

}  // namespace velmar
