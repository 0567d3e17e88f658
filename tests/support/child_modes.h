#pragma once
// The test program started again as the child of a process or mutex test:
//   --child=exit:<code>              ends at once with that exit code
//   --child=sleep:<ms>               sleeps, then ends with 0
//   --child=hold:<ms>:<mutex name>   holds the named mutex for a while, then ends with 0
//   --child=args <arguments>         ends with 0 when its arguments are ExpectedChildArguments

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/processes.h"
#include "support/files/temp_drive.h"

namespace velmar::test {

inline constexpr std::string_view ChildSwitch = "--child=";

// The arguments of the "args" child as a command line writes them, and as the child must see them.
inline constexpr std::string_view ChildArgumentsText = R"("a b" c\"d e\f "" "g\\"  tail)";
const std::vector<std::string>& ExpectedChildArguments();

// The command line that starts this test program in a child mode, the program quoted.
std::string ChildCommand(platform::Processes& processes, std::string_view mode);

int RunChild(std::string_view mode, int argc, char** argv);

// This running program's file on the host (a POSIX path on POSIX).
std::string ThisProgramHostPath();

// A stand-in: a copy of this test program at relative on the drive
// ("Velmar\VelmarPM.exe"), for the code under test to start under that name
// with arguments of its own choice. "<relative>.child" beside it holds the
// child mode it runs in, and each start appends its arguments, joined by "|",
// as one line to "<relative>.args".
void PlaceStandIn(TempDrive& drive, std::string_view relative, std::string_view mode);

// For main: when this program is a stand-in, runs its child mode and gives
// the exit code.
std::optional<int> RunAsStandIn(int argc, char** argv);

}  // namespace velmar::test
