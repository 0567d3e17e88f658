#pragma once
// Conversion between UTF-8 (the program's strings) and the single-byte code
// pages of the files it reads and writes: INI files, the log and project files
// in the ANSI code page, language files in their language's code page, zip
// item names in code page 437.

#include <string>
#include <string_view>

namespace velmar {

enum class CodePage { Cp437, Cp1250, Cp1252 };

// The code page of INI files, the log and project files.
constexpr CodePage AnsiCodePage = CodePage::Cp1252;

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
