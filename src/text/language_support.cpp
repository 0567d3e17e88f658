#include "text/language_support.h"

#include <algorithm>

#include "base/languages.h"
#include "base/codepage.h"
#include "base/errors.h"
#include "base/path_utils.h"
#include "formats/language_file.h"
#include "text/texts.h"

namespace velmar {
namespace {

// Reads a language file piece by piece, so that a header that claims
// gigabytes costs no more memory than the file really holds.
class OpenFileSource : public ByteSource {
 public:
  OpenFileSource(platform::OpenFile& file, const std::string& path) : file_(file), path_(path) {}

  std::string readAt(uint64_t offset, uint64_t count) override {
    if (!file_.seek(offset)) Fail();
    constexpr uint64_t Chunk = 65536;
    std::string out;
    while (out.size() < count) {
      const size_t have = out.size();
      const auto want = static_cast<size_t>(std::min(Chunk, count - have));
      out.resize(have + want);
      const int64_t got = file_.read(out.data() + have, want);
      if (got < 0) Fail();
      out.resize(have + static_cast<size_t>(got));
      if (got == 0) break;
    }
    return out;
  }

 private:
  [[noreturn]] void Fail() { throw InstallerError("Cannot read language file \"" + path_ + "\""); }

  platform::OpenFile& file_;
  const std::string& path_;
};

size_t CharacterCount(const std::string& utf8) {
  return static_cast<size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

int LanguageCodeOf(int languageIndex) { return LanguageOfIndex(languageIndex).code; }

int LanguageIndexOfCode(int languageCode) { return LanguageOfCode(languageCode).index; }

int DefaultLanguageCode(int windowsPrimaryLanguage) {
  for (const Language& language : Languages)
    if (language.windowsPrimaryLanguage == windowsPrimaryLanguage) return language.code;
  return LanguageOfCode(44).code;
}

ButtonCaptions ButtonCaptionsFor(int languageIndex) {
  const auto& b = LanguageOfIndex(languageIndex).buttons;
  return {b[0], b[1], b[2], b[3], b[4], b[5]};
}

LanguageSupport::LanguageSupport(platform::FileSystem& files, std::string mediumRoot)
    : files_(files), mediumRoot_(WithBackslash(mediumRoot)) {}

void LanguageSupport::Initialise() {
  ClearGroups();
  combined_ = FileExists(mediumRoot_ + "Velmar.L44") &&
              (FileExists(mediumRoot_ + "Velmar.L49") || FileExists(mediumRoot_ + "Velmar.L33"));
  lastCode_ = 0;
  lastCodeResult_ = 1;
  lastResult_ = 1;
  initialised_ = true;
}

int LanguageSupport::Load(int languageCode) {
  if (!initialised_) Initialise();
  if (languageCode == lastCode_ || languageCode >= 100 || languageCode < 1) {
    // A repeated request reports how that load went; it does not read again.
    lastResult_ = (lastCode_ > 0 && languageCode == lastCode_) ? lastCodeResult_ : InvalidRequest;
    return lastResult_;
  }

  // Texts of an earlier language never survive a new load, whatever its result.
  ClearGroups();
  lastCode_ = languageCode;
  const std::string extension = LanguageFileExtension(languageCode);
  try {
    lastResult_ = combined_ ? LoadCombined(mediumRoot_ + "Velmar" + extension, languageCode)
                            : LoadSeparate(mediumRoot_ + "VSETUP" + extension, languageCode);
  } catch (...) {
    ClearGroups();
    lastCode_ = 0;
    throw;
  }
  lastCodeResult_ = lastResult_;
  return lastResult_;
}

int LanguageSupport::LoadCombined(const std::string& path, int languageCode) {
  if (!FileExists(path)) throw InstallerError("Cannot find language file \"" + path + "\"");
  const auto file = files_.openRead(path);
  if (!file) throw InstallerError("Cannot open language file \"" + path + "\"");
  OpenFileSource source(*file, path);
  const CombinedDirectory directory = ReadCombinedDirectory(source);
  if (!directory.hasMagic) return BadMagic;
  if (directory.entries.size() >= size_t(langfile::SetupGroup)) {
    const DirectoryEntry& entry = directory.entries[langfile::SetupGroup - 1];
    if (entry.size > 0 && entry.offset >= 0)
      Fill(DecodeToUtf8(entry.name, LanguageCodePage(languageCode)), ReadGroupBlock(source, uint64_t(entry.offset)),
           languageCode, false);
  }
  file->close();
  return Loaded;
}

int LanguageSupport::LoadSeparate(const std::string& path, int languageCode) {
  if (!FileExists(path)) return SeparateFileMissing;
  const auto file = files_.openRead(path);
  if (!file) throw InstallerError("Cannot open language file \"" + path + "\"");
  OpenFileSource source(*file, path);
  Fill("VSETUP", ReadGroupBlock(source, 0), languageCode, true);
  file->close();
  return Loaded;
}

void LanguageSupport::Fill(const std::string& name, const StoredTexts& texts, int languageCode,
                           bool numberEmptyEntries) {
  std::vector<std::string>& group = groups_[langfile::SetupGroup - 1];
  group.clear();
  if (texts.empty()) return;
  const CodePage page = LanguageCodePage(languageCode);
  group.reserve(texts.size() + 1);
  group.push_back(name);
  for (size_t n = 1; n <= texts.size(); ++n) {
    const std::optional<std::string>& text = texts[n - 1];
    if (!text) {
      group.emplace_back();  // damaged entry: the English default shows
    } else if (text->empty()) {
      // The separate file shows untranslated texts by their number.
      group.push_back(numberEmptyEntries ? "16:" + std::to_string(n) : std::string());
    } else {
      group.push_back(DecodeToUtf8(*text, page));
    }
  }
}

bool LanguageSupport::FileExists(const std::string& path) {
  const auto attributes = files_.attributes(path);
  return attributes && (*attributes & attr::Folder) == 0;
}

void LanguageSupport::ClearGroups() {
  for (auto& group : groups_) group.clear();
}

int LanguageSupport::TextLength(int group, int id) const {
  if (group < 1 || group > int(groups_.size()) || id < 1) return 0;
  const std::vector<std::string>& entries = groups_[group - 1];
  if (size_t(id) >= entries.size()) return 0;
  return static_cast<int>(CharacterCount(entries[id]));
}

std::string LanguageSupport::Translate(int group, int id, const std::string& defaultText) const {
  if (group == 0) group = 16;
  if (id > 10000) {
    group = 1;
    id -= 10000;
  }
  if (TextLength(group, id) >= 1) return groups_[group - 1][id];
  return defaultText;
}

std::string LanguageSupport::TranslateWith(int group, int id, const std::string& defaultText,
                                           const std::string& argument) const {
  std::string text = Translate(group, id, defaultText);
  const size_t dollar = text.find('$');
  if (dollar != std::string::npos) {
    text.replace(dollar, 1, argument);
  } else if (!argument.empty()) {
    text += ' ';
    text += argument;
  }
  return text;
}

std::string LanguageSupport::Text(int id) const {
  return Translate(text::Group, id, std::string(text::EnglishOf(id)));
}

std::string LanguageSupport::TextWith(int id, const std::string& argument) const {
  return TranslateWith(text::Group, id, std::string(text::EnglishOf(id)), argument);
}

}  // namespace velmar
