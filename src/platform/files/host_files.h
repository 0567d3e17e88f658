#pragma once
// The file system of the machine a program runs on, for the programs' entry
// points and tools.
//
// On POSIX the drive letters come from the environment variable
// VELMAR_DRIVES, e.g. "C=/srv/c:fixed;D=/media/cd:cdrom": entries separated
// by ";", each a letter, "=", an absolute host folder and optionally ":" and a
// drive type (fixed, cdrom, removable, remote, ramdisk; fixed when left out).
// Z: maps to "/" unless the variable maps it. Malformed text raises
// InstallerError. On Windows the real drives are used.

#include <memory>
#include <string>

#include "platform/files/file_system.h"

namespace velmar::platform {

std::unique_ptr<FileSystem> MakeHostFileSystem();

// A path as the host gives it (argv[0], a tool's argument) as a Windows path:
// on POSIX through the drive table of VELMAR_DRIVES ("/x/y" -> "Z:\x\y"
// unless a drive maps a folder above it; relative paths are taken from the
// working folder); on Windows the path made absolute.
std::string HostPathToWindows(const std::string& hostPath);

}  // namespace velmar::platform
