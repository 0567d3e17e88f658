#pragma once
// The installer's four languages and what belongs to each: one table.

#include <array>

#include "base/codepage.h"

namespace velmar {

struct Language {
  int index;                  // LanguageIndex: 0 German, 1 English, 2 French, 3 Polish
  int code;                   // in file names and switches: 49, 44, 33, 48
  int windowsPrimaryLanguage;  // the system's primary language id that chooses it
  CodePage codePage;          // of its language files
  const char* readme;         // the readme file F6 shows
  // Ok, Next, Prev, Cancel, Finish, Close when the language file has none.
  std::array<const char*, 6> buttons;
  // Shown when its language file is missing, before any file can be read.
  const char* missingFileMessage;
};

constexpr std::array<Language, 4> Languages = {{
    {0, 49, 7, CodePage::Cp1252, "Liesmich.txt",
     {"&Ok", "&Weiter", "&Z\xC3\xBC" "ruck", "&Abbrechen", "&Fertig", "&Beenden"},
     "FEHLER: Kann Sprachdatei \"VELMAR.L49\" nicht finden !"},
    {1, 44, 9, CodePage::Cp1252, "Readme.txt",
     {"&Ok", "&Next", "&Prev", "&Cancel", "&Finish", "&Close"},
     "ERROR: Cannot find language support file \"VELMAR.L44\" !"},
    {2, 33, 12, CodePage::Cp1252, "Lif-moi.txt",
     {"&Ok", "&Continuer", "&Retour", "Co&uper", "&Fini", "&Fermer"},
     "FEHLER: Kann Sprachdatei \"VELMAR.L33\" nicht finden !\r\n"
     "ERROR: Cannot find French language support file \"VELMAR.L33\" !"},
    {3, 48, 21, CodePage::Cp1250, "Readme.txt",
     {"&Ok", "&Next", "&Prev", "&Cancel", "&Finish", "&Close"},
     "FEHLER: Kann Sprachdatei \"VELMAR.L48\" nicht finden !\r\n"
     "ERROR: Cannot find Polish language support file \"VELMAR.L48\" !"},
}};

// English, where an index or code names none of the four.
constexpr const Language& LanguageOfIndex(int index) {
  return index >= 0 && index < 4 ? Languages[static_cast<size_t>(index)] : Languages[1];
}
constexpr const Language* FindLanguageCode(int code) {
  for (const Language& language : Languages)
    if (language.code == code) return &language;
  return nullptr;
}
constexpr const Language& LanguageOfCode(int code) {
  const Language* found = FindLanguageCode(code);
  return found ? *found : Languages[1];
}

}  // namespace velmar
