#include "support/child_modes.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "support/shell_ports.h"

namespace velmar::test {
namespace {

void Sleep(std::string_view ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(std::string(ms).c_str())));
}

}  // namespace

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
