#pragma once
// The installer's dealings with the Windows shell: the user's shell folders,
// shortcuts, the project manager's registration and the explorer.

#include <string>

namespace velmar {

struct InstallerContext;

// "Desktop", "Programs" or "Startup" from the user's Shell Folders, with a
// trailing backslash; empty when the value is missing.
std::string ReadShellFolder(InstallerContext& app, const std::string& name);

// Link to target, working in the target's folder; tells the user on failure.
bool CreateShortcut(InstallerContext& app, const std::string& linkPath, const std::string& target,
                    const std::string& description);

// Starts VelmarPM.exe of the product folder with " /regserver" and waits for
// it at most 10.5 seconds, keeping the window alive. Nothing is reported.
void RegisterProjectManager(InstallerContext& app);

// Runs a program with a switch, waiting in 500 ms steps at most `periods`
// times while the window handles its messages; the program is left running
// when it takes longer.
void RunAndWait(InstallerContext& app, const std::string& commandLine, int periods);

// Starts the explorer with prefix + folder; false when it could not be started.
bool ExploreFolder(InstallerContext& app, const std::string& prefix, const std::string& folder);

}  // namespace velmar
