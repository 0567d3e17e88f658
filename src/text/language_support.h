#pragma once
// Language support: the language codes, the fixed button captions, and the
// texts of the chosen language loaded from the medium's language file and
// looked up by group and number with their English default.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/files/file_system.h"

namespace velmar {

// Language index (0 German, 1 English, 2 French, 3 Polish) to the code used in
// file names (49, 44, 33, 48); an unknown index gives English.
int LanguageCodeOf(int languageIndex);
// The inverse; an unknown code gives English (1).
int LanguageIndexOfCode(int languageCode);
// From the Windows primary language identifier: German 7, French 12, Polish 21.
int DefaultLanguageCode(int windowsPrimaryLanguage);

struct ButtonCaptions {
  std::string Ok, Next, Prev, Cancel, Finish, Close;
};
ButtonCaptions ButtonCaptionsFor(int languageIndex);

class LanguageSupport {
 public:
  // Results of Load.
  static constexpr int Loaded = 0;
  static constexpr int BadMagic = 2;          // the combined file is not a language file
  static constexpr int SeparateFileMissing = 4;
  static constexpr int InvalidRequest = 99;

  LanguageSupport(platform::FileSystem& files, std::string mediumRoot);

  // Empty groups; decides between the combined file "Velmar.Lnn" (when
  // Velmar.L44 and Velmar.L49 or Velmar.L33 are on the medium) and the
  // separate file "VSETUP.Lnn".
  void Initialise();
  // Loads the setup texts of a language code. Throws InstallerError when the
  // combined file is missing, or a language file cannot be read.
  int Load(int languageCode);

  // Length in characters of entry id of a group (1 to 16); 0 when absent.
  int TextLength(int group, int id) const;
  // Group 0 means 16; an id over 10000 means group 1, id - 10000.
  std::string Translate(int group, int id, const std::string& defaultText) const;
  // The first "$" of the text becomes the argument; without one a non-empty
  // argument is appended after a blank.
  std::string TranslateWith(int group, int id, const std::string& defaultText, const std::string& argument) const;
  // An installer text (group 16) by its constant in texts.h, with its English
  // wording from there when the language file has none.
  std::string Text(int id) const;
  std::string TextWith(int id, const std::string& argument) const;

  bool CombinedMode() const { return combined_; }
  int LastCode() const { return lastCode_; }
  // The result of the most recent Load (1 before the first).
  int LastResult() const { return lastResult_; }

 private:
  int LoadCombined(const std::string& path, int languageCode);
  int LoadSeparate(const std::string& path, int languageCode);
  // Group 16 from a group block; empty entries read "16:n" when numbered.
  void Fill(const std::string& name, const std::vector<std::optional<std::string>>& texts, int languageCode,
            bool numberEmptyEntries);
  bool FileExists(const std::string& path);
  void ClearGroups();

  platform::FileSystem& files_;
  std::string mediumRoot_;
  bool initialised_ = false;
  bool combined_ = false;
  int lastCode_ = 0;
  int lastResult_ = 1;      // of the most recent request
  int lastCodeResult_ = 1;  // of loading lastCode_
  // Entry 0 of a group is its name, entries 1 to N its texts (UTF-8).
  std::array<std::vector<std::string>, 16> groups_;
};

}  // namespace velmar
