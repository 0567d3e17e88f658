#pragma once
// The text of an INI file as the Windows profile functions read and change
// it: sections and keys without regard to case, only the first of repeated
// sections counts and the first of repeated keys wins, values trimmed of
// blanks (space, tab, vertical tab) and of one pair of surrounding quotes. A
// change touches one line; every other byte of the file stays as it was.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/codepage.h"

namespace velmar {

class IniDocument {
 public:
  // File bytes in the system's ANSI code page, or UTF-8 after a byte order
  // mark. Lines may end in CR LF, LF or CR. In a code page base/ cannot
  // convert, text beyond ASCII in the bytes, or in a name or value written,
  // throws CodePageError; a name beyond ASCII looked up is not there.
  static IniDocument Parse(std::string_view bytes, CodePage ansiCodePage);
  std::string Serialize() const;

  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // Section names in file order, a repeated section once, spelled as first.
  std::vector<std::string> Sections() const;
  // Key names of a section in file order, spelled as in the file; a repeated
  // key is listed each time, as GetPrivateProfileString lists it.
  std::vector<std::string> Keys(std::string_view section) const;
  // Replaces the first occurrence of the key in the section, or adds it after
  // the last key of the section, or adds the section at the end. Lines it
  // writes end in CR LF. The names and the value must fit on one line
  // (CanStore).
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Why a section, key and value cannot be written, or "" when they can.
  static std::string CanStore(std::string_view section, std::string_view key,
                              std::string_view value);

 private:
  enum class Kind { Other, Section, Key };
  struct Line {
    std::string text;    // UTF-8, without its line end
    std::string ending;  // "\r\n", "\n", "\r", or "" for a last line without one
    Kind kind = Kind::Other;
    std::string name;   // section or key name, trimmed
    std::string value;  // raw text after "=" of a key line
  };
  static Line Classify(std::string text, std::string ending);
  // Text as the file can hold it: an ANSI file turns unknown letters into "?".
  std::string Stored(std::string_view text) const;
  // A name trimmed, as stored and folded for comparison; nothing when the
  // code page cannot hold it.
  std::optional<std::string> Wanted(std::string_view name) const;
  // Index of the first key line of section/key, or of the section header.
  std::optional<size_t> FindKey(std::string_view section, std::string_view key) const;
  std::optional<size_t> FindSection(std::string_view section) const;

  std::vector<Line> lines_;
  bool utf8_ = false;
  CodePage page_ = CodePage::Cp1252;
};

}  // namespace velmar
