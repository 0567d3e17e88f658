#include "support/child_modes.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "support/fixture/shell_ports.h"

namespace velmar::test {
namespace {

void Sleep(std::string_view ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(std::string(ms).c_str())));
}

std::filesystem::path Utf8Path(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

}  // namespace

void PlaceStandIn(TempDrive& drive, std::string_view relative, std::string_view mode) {
  const std::filesystem::path target = Utf8Path(drive.hostPath(relative));
  std::filesystem::create_directories(target.parent_path());
  std::filesystem::copy_file(Utf8Path(ThisProgramHostPath()), target,
                             std::filesystem::copy_options::overwrite_existing);
  std::error_code ignored;  // Windows has no execute permission to give
  std::filesystem::permissions(target, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add,
                               ignored);
  drive.writeFile(std::string(relative) + ".child", mode);
}

std::optional<int> RunAsStandIn(int argc, char** argv) {
  const std::string self = ThisProgramHostPath();
  std::ifstream modeFile(Utf8Path(self + ".child"), std::ios::binary);
  if (!modeFile) return std::nullopt;
  std::string line;
  for (int i = 1; i < argc; ++i) line.append(i > 1 ? "|" : "").append(argv[i]);
  std::ofstream(Utf8Path(self + ".args"), std::ios::binary | std::ios::app) << line << "\n";
  return RunChild(std::string(std::istreambuf_iterator<char>(modeFile), {}), 0, nullptr);
}

const std::vector<std::string>& ExpectedChildArguments() {
  static const std::vector<std::string> args = {"a b", "c\"d", "e\\f", "", "g\\", "tail"};
  return args;
}

std::string ChildCommand(platform::Processes& processes, std::string_view mode) {
  std::string command = "\"";
  command.append(processes.ProgramPath()).append("\" ").append(ChildSwitch).append(mode);
  return command;
}

int RunChild(std::string_view mode, int argc, char** argv) {
  const size_t colon = mode.find(':');
  const std::string_view verb = mode.substr(0, colon);
  const std::string_view rest = colon == std::string_view::npos ? std::string_view() : mode.substr(colon + 1);
  if (verb == "exit") return std::atoi(std::string(rest).c_str());
  if (verb == "sleep") {
    Sleep(rest);
    return 0;
  }
  if (verb == "hold") {
    const size_t cut = rest.find(':');
    auto mutexes = MakePortMutexes();
    auto held = mutexes->Create(std::string(rest.substr(cut + 1)));
    if (!held) return 2;
    Sleep(rest.substr(0, cut));
    return 0;
  }
  if (verb == "args") {
    const std::vector<std::string> got(argv, argv + argc);
    if (got == ExpectedChildArguments()) return 0;
    for (const std::string& arg : got) std::fprintf(stderr, "child argument [%s]\n", arg.c_str());
    return 1;
  }
  std::fprintf(stderr, "unknown child mode %.*s\n", static_cast<int>(mode.size()), mode.data());
  return 99;
}

}  // namespace velmar::test
