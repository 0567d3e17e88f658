#pragma once
// The installer's dealings with the Windows shell: the user's shell folders,
// shortcuts, the project manager's registration and the explorer.

#include <string>

#include "platform/processes.h"

namespace velmar {

namespace platform {
class Registry;
}
struct InstallerContext;

// Where the user's shell folders are named, below HKEY_CURRENT_USER.
inline constexpr const char* ShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// "Desktop", "Programs" or "Startup" from the user's Shell Folders, with a
// trailing backslash; empty when the key or the value is missing.
std::string ReadShellFolder(InstallerContext& app, const std::string& name);
// The same from any key below HKEY_CURRENT_USER.
std::string ReadShellFolder(platform::Registry& registry, const std::string& key, const std::string& name);

// Link to target, working in the target's folder; tells the user and the log on failure.
bool CreateShortcut(InstallerContext& app, const std::string& linkPath, const std::string& target,
                    const std::string& description);

// The command line that starts program with arguments (" /regserver"): the
// program is quoted when it holds a blank, so that Windows cannot take a
// part of its path ("C:\Program") for the program.
std::string ProgramCommandLine(const std::string& program, const std::string& arguments);

// Starts VelmarPM.exe of the product folder with " /regserver" and waits for
// it at most 10.5 seconds, keeping the window alive. False, and logged, when
// the program is there but cannot be started; a product without it has
// nothing to register.
bool RegisterProjectManager(InstallerContext& app);

// Starts a command line and waits for it in 500 ms steps at most `periods`
// times (or until it ends, with WaitToTheEnd), letting the window handle its
// messages after each step; the program is left running when it takes
// longer. False when it could not be started.
constexpr int WaitToTheEnd = -1;
bool RunAndWait(InstallerContext& app, const std::string& commandLine, platform::WindowShow show, int periods);

// Starts the explorer with prefix + folder; false when it could not be started.
bool ExploreFolder(InstallerContext& app, const std::string& prefix, const std::string& folder);

}  // namespace velmar
