#pragma once
// Operations on Windows path strings ("C:\Velmar\Install\Setup.ini"). They never
// touch the disk; the operations that need it live in file_utils.h.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmar {

// Adds "\" when the path is not empty and does not end with one.
std::string WithBackslash(std::string_view path);
// Removes one trailing "\".
std::string WithoutBackslash(std::string_view path);

// "C:" of "C:\A\b.txt", "\\server\share" of "\\server\share\b.txt", else "".
std::string FileDrive(std::string_view path);
// Up to and including the last "\" or ":"; "" when there is none.
std::string FileFolderPart(std::string_view path);
// After the last "\" or ":".
std::string FileNamePart(std::string_view path);
// From the last "." of the name part on (".zip"), "" when the name has none.
std::string FileExtension(std::string_view path);
// The file name part without its extension.
std::string NameWithoutExt(std::string_view path);

// The absolute form of a path, taken relative to the current folder when it
// has no drive: "." and ".." resolved, "/" turned into "\", doubled "\" and
// trailing dots and blanks of names dropped, as Windows itself reads a path.
std::string FullPathName(std::string_view path, std::string_view currentFolder);
// The longest folder Windows makes: MAX_PATH less room for a file name.
constexpr size_t MaxFolderLength = 247;

// The absolute form of a folder: "C:\A\B", "C:\" for a drive's root,
// "\\server\share\A" on a network share, with "." and ".." resolved as
// Windows resolves them. Nothing for a path that does not begin at a drive
// or a share (a relative one, "C:name", "\A"), that names a device, or that
// is longer than MaxFolderLength.
std::optional<std::string> AbsoluteFolder(std::string_view path);
// Whether two paths name the same file by their text (case ignored).
bool SamePath(std::string_view a, std::string_view b, std::string_view currentFolder);

// The folder above a path: C:\A\B\ gives C:\A\, C:\A gives C:\, C:\ stays C:\.
// A path without a drive is first made absolute against currentFolder.
std::string ParentFolder(std::string_view path, std::string_view currentFolder);

// The text between one pair of surrounding double quotes, else the text.
std::string Unquote(std::string_view text);
// The text after the first "=", unless the text has none or begins with it.
std::string ValueAfterEquals(std::string_view text);
// The picture formats the backdrop can show: ".BMP" and ".JPG".
bool IsImageFile(std::string_view name);
// The decimal value right-aligned in width characters, padded with fill.
// Longer values are not cut.
std::string PadNumber(int64_t value, int width, char fill);

// A name that stays in the folder it is taken in: not empty, none of the
// characters Windows forbids in names, no "." or ".." (nor any name ending in
// a dot or blank, which Windows cuts), and no device name ("CON", "com1.txt").
bool IsPlainName(std::string_view name);
// A path of plain names below a folder ("Plant\Line7"): no drive, no leading
// or doubled separator, every part a plain name.
bool IsPlainRelativePath(std::string_view path);

// Kinds of directory entries by their attribute bits.
bool IsFolderEntry(uint32_t attributes);
// Neither hidden, system, volume label nor folder.
bool IsPlainFileEntry(uint32_t attributes);

}  // namespace velmar
