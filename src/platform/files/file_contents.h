#pragma once
// Whole files through the file system seam: the one way to read a file at
// once and the one way to replace a file safely.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files/file_system.h"

namespace velmar::platform {

constexpr size_t AnySize = std::numeric_limits<size_t>::max();

// Nothing when the file cannot be opened or read, or is larger than maxSize bytes.
std::optional<std::string> ReadFileContents(FileSystem& fs, const std::string& path, size_t maxSize = AnySize);
// The same, raising InstallerError "Cannot read "PATH"" when it fails.
std::string ReadFileContentsOrRaise(FileSystem& fs, const std::string& path);

// A file made new beside `path`, named path + suffix, or path + suffix + a
// number when something has that name and stays: nothing anyone else made is
// ever opened. A file or link left at path + suffix by an installer that was
// stopped is removed first (a link itself, never what it leads to), so the
// caller must hold the folder's lock (FileSystem::lockFolder) until the new
// file has replaced the old one: no other installer is then writing there.
// No file when none could be made.
struct NewFile {
  std::string path;
  std::unique_ptr<OpenFile> file;
};
// With Leftover::Keep a file at path + suffix stays (the caller made it).
enum class Leftover { Remove, Keep };
NewFile CreateBeside(FileSystem& fs, const std::string& path, std::string_view suffix,
                     Leftover leftover = Leftover::Remove);

// Writes a new temporary file beside the target (PATH.~tmp) and renames it
// over the target once its data are on the disk, so that neither a crash nor
// a power cut leaves the target half written. Holds the folder's lock
// meanwhile. The new file keeps the hidden
// and system marks of the one it replaces. False when that failed; the
// target is then as it was and no temporary file is left.
bool ReplaceFileContents(FileSystem& fs, const std::string& path, std::string_view bytes);
// The same, raising InstallerError "Unable to write to PATH: WHY" when it fails.
void ReplaceFileContentsOrRaise(FileSystem& fs, const std::string& path, std::string_view bytes);

}  // namespace velmar::platform
