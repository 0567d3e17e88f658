#pragma once
// Integrity of a program file: its recorded checksum against its contents.

#include <string>

#include "platform/files/file_system.h"

namespace velmar {

enum class ProgramCheck {
  Intact,       // the recorded checksum matches
  Damaged,      // it does not: changed, cut off or lengthened since the build
  NotStamped,   // no checksum recorded; every build records one, so the file was altered
  NotAProgram,  // no Windows program headers: never a running Windows program,
                // always the program of the native build
  Unreadable,   // missing, or a read failed
};

ProgramCheck CheckProgramFile(platform::FileSystem& files, const std::string& path);

// True only for an intact program file.
bool VerifyProgramChecksum(platform::FileSystem& files, const std::string& path);

}  // namespace velmar
