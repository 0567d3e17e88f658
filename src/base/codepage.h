#pragma once
// Conversion between UTF-8 (the program's strings) and the single-byte code
// pages of the files it reads and writes: INI files, the log, project files
// and readmes in the system's ANSI code page, language files in their
// language's code page, zip item names in code page 437.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/errors.h"

namespace velmar {

// A code page by the number Windows gives it. The named ones are converted;
// the system may report any other (932 on a Japanese Windows), which is
// carried by its number: CodePage{932}.
enum class CodePage : uint16_t { Cp437 = 437, Cp1250 = 1250, Cp1252 = 1252 };

inline unsigned CodePageNumber(CodePage page) { return static_cast<unsigned>(page); }
bool CanConvert(CodePage page);

// Text beyond ASCII met in a code page that cannot be converted. ASCII is the
// same in every ANSI code page, so text of ASCII alone passes in any of them.
// Whoever knows the file names it: "Cannot read C:\Setup.ini: " + what().
class CodePageError : public InstallerError {
 public:
  explicit CodePageError(CodePage page);
  CodePage page() const { return page_; }

 private:
  CodePage page_;
};

// Both throw CodePageError for text beyond ASCII in a code page that cannot
// be converted.
std::string DecodeToUtf8(std::string_view bytes, CodePage page);
// Characters the code page lacks become '?'; invalid UTF-8 bytes too.
std::string EncodeFromUtf8(std::string_view utf8, CodePage page);

// One UTF-8 sequence to a code point; advances pos. Invalid input (a stray or
// cut byte, an overlong form, a surrogate) gives U+FFFD and advances one byte.
char32_t NextCodePoint(std::string_view utf8, size_t& pos);
// Strict UTF-8: no stray or cut bytes, overlong forms, surrogates or values
// past U+10FFFF.
bool IsValidUtf8(std::string_view text);
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace velmar
