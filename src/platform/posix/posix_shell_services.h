#pragma once
// The POSIX port of the registry, shortcuts, processes and mutexes.

#include <memory>
#include <string>

#include "platform/files/file_system.h"
#include "platform/mutexes.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/shortcuts.h"

namespace velmar::platform {

class PosixFileSystem;

// Where the registry file lies: "Velmar-Registry.reg" in the Windows folder.
std::string DefaultRegistryFile(FileSystem& fs);

// The registry as a REGEDIT4 file, read and replaced whole through fs. The
// user's shell folders Desktop, Programs and Startup (the values of
// HKEY_CURRENT_USER "Software\Microsoft\Windows\CurrentVersion\Explorer\Shell
// Folders") are filled in below "C:\Users\<userName>" where the file lacks
// them. A file that is not a registry file reads as empty and is never
// overwritten.
std::unique_ptr<Registry> MakePosixRegistry(FileSystem& fs, std::string registryFile, std::string userName);

// Shell link files written and read by our own codec, through fs.
std::unique_ptr<Shortcuts> MakePosixShortcuts(FileSystem& fs);

// Programs started with posix_spawn, their Windows paths mapped through the
// drive table of fs and started in the host folder of its current folder. A
// command line for "explorer.exe" runs folderOpener with the host path of the
// folder it names.
std::unique_ptr<Processes> MakePosixProcesses(PosixFileSystem& fs, std::string folderOpener = "xdg-open");

// Lock files in $XDG_RUNTIME_DIR/velmar-mutexes, or /tmp/velmar-mutexes-<uid>.
std::string DefaultMutexFolder();
// A mutex is a lock file in the folder held with a shared flock by every
// program that holds it. The change broadcast has no one to tell.
std::unique_ptr<Mutexes> MakePosixMutexes(std::string folder = DefaultMutexFolder());

}  // namespace velmar::platform
