#pragma once
// Windows command lines taken apart the way Windows does it, for starting
// programs where the system has no CreateProcess.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar::platform {

// One way to read a command line: the program and the text of its arguments.
struct ProgramCandidate {
  std::string program;
  std::string arguments;  // the rest of the line, blanks after the program dropped
};

// The readings CreateProcess tries, in its order. A quoted program gives one;
// an unquoted one gives one per blank in it ("C:\Program Files\A.exe /x" ->
// "C:\Program", then "C:\Program Files\A.exe"): the first that names an
// existing program wins.
std::vector<ProgramCandidate> ProgramCandidates(std::string_view commandLine);

// The arguments as a started program sees them (the rules of CommandLineToArgvW):
// blanks separate, double quotes group, 2n backslashes before a quote give n
// and the quote groups, 2n+1 give n and a literal quote.
std::vector<std::string> SplitArguments(std::string_view arguments);

// The folder the Windows file explorer is asked to show, when the command line
// starts it ("explorer.exe /e,/n,/root,C:\Medium\Tools\" -> "C:\Medium\Tools\"):
// the text after the last comma of its arguments.
std::optional<std::string> ExplorerFolder(std::string_view commandLine);

}  // namespace velmar::platform
