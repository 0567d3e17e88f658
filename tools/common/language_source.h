#pragma once
// The text source of a language file: the hand-edited form that the language
// file compiler turns into "Velmar.Lnn" and "VSETUP.Lnn", and back.
//
//   # comment (a line whose first non-blank character is '#'), blank lines too
//   language 49
//   33<TAB>Install &Velmar
//   10 Cannot install !\r\nVelmar is running !
//
// UTF-8, optionally with a byte order mark; lines end in LF or CR LF. The
// first line that is not a comment names the language code (1 to 99). Each
// further line is a text: its number (1 to 8191), one tab or one space, and
// the text up to the end of the line exactly as written, blanks included.
// In the text \r is CR, \n is LF, \t is a tab and \\ a backslash; any other
// backslash is an error. A number alone stores an empty text.

#include <map>
#include <string>
#include <string_view>

namespace velmar {

struct LanguageSource {
  int code = 0;
  std::map<int, std::string> texts;  // number -> UTF-8 text
};

// Throws InstallerError naming every fault with its line number: a missing or
// malformed header, a malformed line, a number out of range or given twice, a
// character the code page of the language lacks, a text too long to store.
LanguageSource ParseLanguageSource(std::string_view utf8);

// The source form; heading lines come first as comments.
std::string FormatLanguageSource(const LanguageSource& source, std::string_view heading);

}  // namespace velmar
