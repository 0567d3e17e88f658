#pragma once
// INI files the way the Windows private profile functions handle them (see
// ini_document.h for the text rules), read and written key by key.
//
// Every read looks at the file as it is on disk and every write goes to disk
// at once, so two TIniFile objects on one file see each other's changes and
// UpdateFile has nothing left to do. A write replaces the whole file in one
// step (a temporary file beside it, then a rename), so a failure never leaves
// half a file. A missing or unreadable file reads as empty; a write that
// cannot be done throws InstallerError naming the file and leaves it as it was.
//
// The text is in the system's ANSI code page (UTF-8 after a byte order mark).
// In a code page the installer cannot convert, a file or a value with letters
// beyond ASCII cannot be read or written: InstallerError names the file and
// the code page, and the file stays as it was.

#include <string>
#include <string_view>
#include <vector>

#include "base/codepage.h"
#include "platform/files/file_system.h"

namespace velmar {

class IniDocument;

class TIniFile {
 public:
  TIniFile(platform::FileSystem& fs, std::string path, CodePage ansiCodePage);

  const std::string& FileName() const { return path_; }

  // The default comes back without trailing spaces, as
  // GetPrivateProfileString gives it.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // Decimal, with an optional sign; "$1F" and "0x1F" are read as hexadecimal
  // as the product's earlier releases did. Anything else, or a number that
  // does not fit, gives the default.
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  // ReadInteger of the key is not 0; "true" and the like give the default.
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  // Written as "1" or "0".
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // As the profile functions report it: a section exists when it holds a key.
  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  // Key names in file order; a repeated key is listed each time.
  std::vector<std::string> ReadSection(std::string_view section) const;
  // "Key=Value" for every key, with the values as ReadString gives them.
  std::vector<std::string> ReadSectionValues(std::string_view section) const;

  // Writes are on disk already; kept for callers that flush after writing.
  void UpdateFile();

 private:
  IniDocument Load() const;
  void Change(std::string_view section, std::string_view key, std::string_view value);

  platform::FileSystem& fs_;
  std::string path_;
  CodePage page_;
};

// Reads an integer the way ReadInteger does; false when the text is none.
bool ParseIniInteger(std::string_view text, int& value);

}  // namespace velmar
