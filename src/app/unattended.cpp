#include "app/unattended.h"

#include <cstdio>

#include "base/text_case.h"
#include "app/run_installer.h"
#include "base/errors.h"
#include "base/timestamp.h"
#include "platform/system.h"
#include "platform/files/file_contents.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

bool TakeValue(const std::string& arg, const char* name, std::string& value) {
  const std::string prefix = std::string(name) + "=";
  if (arg.size() <= prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = arg[i];
    if (i == 0 && c == '-') c = '/';
    if (AsciiLowerCase(std::string(1, c)) != std::string(1, prefix[i])) return false;
  }
  value = arg.substr(prefix.size());
  return true;
}

}  // namespace

ui::script::Outcome OutcomeOf(InstallerEnd end) {
  switch (end) {
    case InstallerEnd::Finished: return ui::script::Outcome::Finished;
    case InstallerEnd::Cancelled: return ui::script::Outcome::Cancelled;
    case InstallerEnd::FinishedWithErrors: return ui::script::Outcome::FinishedWithErrors;
    case InstallerEnd::Failed: break;
  }
  return ui::script::Outcome::Failed;
}

bool TakeUnattendedOptions(std::vector<std::string>& arguments, UnattendedOptions& options) {
  std::vector<std::string> rest;
  for (const std::string& arg : arguments) {
    const std::string lower = AsciiLowerCase(arg);
    if (lower == "/headless" || lower == "-headless") {
      options.Headless = true;
    } else if (!TakeValue(arg, "/answers", options.AnswerFile) &&
               !TakeValue(arg, "/transcript", options.TranscriptFile) &&
               !TakeValue(arg, "/pictures", options.PictureFolder) &&
               !TakeValue(arg, "/fitcheck", options.FitReportFile) &&
               !TakeValue(arg, "/record", options.RecordFile)) {
      rest.push_back(arg);
    }
  }
  arguments = rest;
  return !options.AnswerFile.empty();
}

void ToWindowsPaths(UnattendedOptions& options, const std::function<std::string(const std::string&)>& hostToWindows) {
  for (std::string* path : {&options.AnswerFile, &options.TranscriptFile, &options.PictureFolder, &options.RecordFile,
                             &options.FitReportFile})
    if (!path->empty()) *path = hostToWindows(*path);
}

std::unique_ptr<ui::script::AnswerRecorder> MakeRecorder(platform::Services& os, const UnattendedOptions& options,
                                                        const std::vector<std::string>& arguments) {
  if (options.RecordFile.empty()) return nullptr;
  const std::string program = os.system.programPath();
  const size_t cut = program.find_last_of("\\:") + 1;
  std::string started = program.substr(cut);
  for (const std::string& arg : arguments) started += " " + arg;
  return std::make_unique<ui::script::AnswerRecorder>(
      os.files, options.RecordFile,
      std::vector<std::string>{"Recorded " + FormatTimestamp(os.system.now()) + " from the medium " +
                                   program.substr(0, cut),
                               "Started as: " + started});
}

int RunUnattended(platform::Services& os, const std::vector<std::string>& arguments,
                  const UnattendedOptions& givenOptions, const ScriptRunner& runner) {
  UnattendedOptions options = givenOptions;
  ui::script::Script script;
  try {
    script = ui::script::ReadAnswerFile(os.files, options.AnswerFile);
  } catch (const ui::script::UnreadableAnswerFile& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 3;
  } catch (const InstallerError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }

  const std::unique_ptr<ui::script::AnswerRecorder> recorder = MakeRecorder(os, options, arguments);
  if (recorder && !recorder->Start()) {
    std::fprintf(stderr, "Cannot write the answer file %s\n", recorder->Path().c_str());
    return 3;
  }
  options.Recorder = recorder.get();
  const PlayedRun run = runner(std::move(script), options, [&](ui::Host& host) {
    return OutcomeOf(RunInstaller(os, host, arguments));
  });
  std::fflush(stdout);
  const bool recorded = !recorder || recorder->Finish();
  if (!recorded) std::fprintf(stderr, "Cannot write the answer file %s\n", recorder->Path().c_str());
  if (!run.EndMessage.empty()) std::fprintf(stderr, "%s\n", run.EndMessage.c_str());
  if (!options.TranscriptFile.empty() &&
      !platform::ReplaceFileContents(os.files, options.TranscriptFile, run.Transcript)) {
    std::fprintf(stderr, "Cannot write the transcript %s\n", options.TranscriptFile.c_str());
    return 3;
  }
  if (!recorded) return 3;
  return ui::script::ExitStatus(run.Outcome);
}

PlayedRun RunOnScriptedHost(ui::script::Script script, const UnattendedOptions& options,
                            const ProgramOnHost& program) {
  ui::script::ScriptHostOptions hostOptions;
  hostOptions.recorder = options.Recorder;
  if (options.Echo) hostOptions.echo = [](const std::string& line) { std::printf("%s\n", line.c_str()); };
  ui::script::ScriptHost host(std::move(script), hostOptions);
  const ui::script::Outcome outcome = host.Run([&] { return program(host); });
  return {outcome, host.TranscriptText(), host.EndMessage()};
}

}  // namespace velmar
