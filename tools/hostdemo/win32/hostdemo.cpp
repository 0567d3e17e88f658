// hostdemo: the installer's pages on real windows, in front of the backdrop.
//
//   hostdemo [--answers FILE] [--pictures FOLDER] [--transcript FILE]
//            [--scripted] [--no-demo-page]
//
// Without an answer file a user works the pages. With one it is played
// through the windows' messages, and the transcript goes to standard output
// (and to FILE with --transcript); --pictures saves a picture of every page
// as it is shown. --scripted plays the answer file on the scripted host
// instead, without windows, for comparing the two transcripts. The exit
// status is that of an unattended run: 0 finished, 1 cancelled, 2 stopped,
// 3 failed; 4 for a bad command line or answer file.

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "demo_pages.h"
#include "platform/files/host_files.h"
#include "platform/pictures.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"
#include "base/errors.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"
#include "ui/win32/win32_host.h"

#include <shellapi.h>

namespace {

using velmar::ui::script::Outcome;

constexpr int kUsageStatus = 4;

std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(velmar::platform::Narrow(wide[i]));
  LocalFree(wide);
  return arguments;
}

void WriteText(velmar::platform::FileSystem& files, const std::string& path, const std::string& text) {
  auto file = files.create(path);
  if (!file || file->write(text.data(), text.size()) != int64_t(text.size()) || !file->close())
    throw velmar::InstallerError("Cannot write " + path);
}

struct Options {
  std::optional<std::string> answers, pictures, transcript;
  bool scripted = false;
  bool demoPage = true;
};

std::optional<Options> ParseArguments(const std::vector<std::string>& arguments) {
  Options options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= arguments.size()) return std::nullopt;
      return velmar::platform::HostPathToWindows(arguments[++i]);
    };
    if (argument == "--answers") {
      if (!(options.answers = value())) return std::nullopt;
    } else if (argument == "--pictures") {
      if (!(options.pictures = value())) return std::nullopt;
    } else if (argument == "--transcript") {
      if (!(options.transcript = value())) return std::nullopt;
    } else if (argument == "--scripted") {
      options.scripted = true;
    } else if (argument == "--no-demo-page") {
      options.demoPage = false;
    } else {
      return std::nullopt;
    }
  }
  if (options.scripted && !options.answers) return std::nullopt;
  return options;
}

}  // namespace

int main() {
  auto options = ParseArguments(Arguments());
  if (!options) {
    std::cerr << "usage: hostdemo [--answers FILE] [--pictures FOLDER] [--transcript FILE] [--scripted] "
                 "[--no-demo-page]\n";
    return kUsageStatus;
  }
  auto files = velmar::platform::MakeHostFileSystem();
  std::optional<velmar::ui::script::Script> script;
  try {
    if (options->answers) script = velmar::ui::script::ReadAnswerFile(*files, *options->answers);
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return kUsageStatus;
  }
  auto echo = [](const std::string& line) { std::cout << line << std::endl; };

  Outcome outcome;
  std::string transcript;
  if (options->scripted) {
    velmar::ui::script::ScriptHost host(*script, {{1024, 768}, 32, echo});
    outcome = host.Run([&] { return hostdemo::RunDemo(host, options->demoPage); });
    transcript = host.TranscriptText();
  } else {
    auto pictures = velmar::platform::MakeHostPictures(*files);
    velmar::ui::win32::Win32HostOptions hostOptions;
    hostOptions.script = script;
    hostOptions.pictureFolder = options->pictures.value_or("");
    if (script) hostOptions.echo = echo;
    velmar::ui::win32::Win32Host host(*files, *pictures, hostOptions);
    outcome = host.Run([&] { return hostdemo::RunDemo(host, options->demoPage); });
    transcript = host.TranscriptText();
  }
  try {
    if (options->transcript) WriteText(*files, *options->transcript, transcript);
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return kUsageStatus;
  }
  return velmar::ui::script::ExitStatus(outcome);
}
