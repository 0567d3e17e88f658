#pragma once
// File and folder operations shared by the installing and uninstalling parts
// of the installer. They report by booleans and small codes; the one error
// that escapes is a read or write failing in the middle of a file copy.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/codepage.h"
#include "platform/files/file_system.h"

namespace velmar {

// The folder above a path (see path_utils.h); a path without a drive is taken
// relative to the current folder.
std::string ParentFolder(platform::FileSystem& fs, std::string_view path);

// A file (not a folder) of that name exists.
bool FileExists(platform::FileSystem& fs, std::string_view path);
// The path is not empty and a search for every entry in it finds one.
bool FolderExists(platform::FileSystem& fs, std::string_view path);
// Creates a folder and its missing parents; true when it exists afterwards.
// The current folder is the same afterwards.
bool ForceFolder(platform::FileSystem& fs, std::string_view path);
// The path has a drive part and that drive is a CD-ROM drive.
bool IsOnCdRom(platform::FileSystem& fs, std::string_view path);
// The folders the system reports, with a trailing backslash.
std::string WindowsFolder(platform::FileSystem& fs);
std::string SystemFolder(platform::FileSystem& fs);

// Deletes a file, clearing read-only and hidden first. A missing file, a
// folder or a system file is left alone: 0. Otherwise 0 or the system's error.
int DeleteFileForced(platform::FileSystem& fs, std::string_view path);

// Results of CopyFileContents.
namespace copy_result {
constexpr int Copied = 1;
constexpr int SourceNotOpened = -1;
constexpr int TargetNotCreated = -2;  // also: source and target are the same file
constexpr int TargetFull = -3;        // the target disk filled up; no target is left
}  // namespace copy_result

// Copies a file in blocks of 32768 bytes, replacing the target, and gives the
// copy the source's time stamps. Throws InstallerError when a read or write
// fails after both files were opened; the half-written target is removed.
int CopyFileContents(platform::FileSystem& fs, std::string_view source, std::string_view target);
// Gives target the creation, access and write times of source; true when set.
bool CopyFileTimes(platform::FileSystem& fs, std::string_view target, std::string_view source);
// Copies every entry of sourceFolder matching pattern into targetFolder (created
// when missing), hidden and system files included; with recurse also the
// sub-folders, whose names must match the pattern too. Files that cannot be
// copied are skipped, and so are targets `keep` names. False when one could
// not be copied, or a folder could not be made.
bool CopyFolderTree(platform::FileSystem& fs, std::string_view sourceFolder,
                    std::string_view targetFolder, std::string_view pattern, bool recurse,
                    const std::function<bool(const std::string& target)>& keep = {});

// Recognises a file by a text within its first 51 bytes: the first byte equal
// to the text's first character must start the whole text, lie at a 1-based
// position no greater than lastPosition, and the text must end before byte 52.
// The file holds the text in the system's ANSI code page; a text beyond ASCII
// in a code page the installer cannot convert throws InstallerError.
bool FileHasMarker(platform::FileSystem& fs, CodePage ansiCodePage, std::string_view path, std::string_view text,
                   int lastPosition);

// The fixed file version of a program's version resource; all 0 and false
// when it has none.
bool FileVersion(platform::FileSystem& fs, std::string_view path, uint16_t& major,
                 uint16_t& minor, uint16_t& release, uint16_t& build);

// How CheckWritable tells the user: a message box with an exclamation icon and
// an OK button, shown by the UI host. installerFileName ("Setup.exe") makes the
// caption "ERROR: Setup.exe" when the caller gives none.
struct MessageBoxSink {
  std::function<void(const std::string& text, const std::string& caption)> show;
  std::string installerFileName;
};

// Results of CheckWritable.
namespace writable {
constexpr int Yes = 1;
constexpr int WrongKind = -1;  // hidden, system, volume label, folder, or read-only that stays so
constexpr int OnCdRom = -2;
constexpr int NoDrive = -3;
constexpr int NoFolder = -4;
}  // namespace writable

// Whether a file can be written: an existing file loses its read-only
// attribute, a missing file gets its folder. When showMessage is set and the
// answer is not 1, the message goes to messages.show.
int CheckWritable(platform::FileSystem& fs, std::string_view path, std::string_view caption,
                  bool showMessage, const MessageBoxSink& messages = {});

}  // namespace velmar
