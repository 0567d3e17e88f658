#include "files/ini_file.h"

#include <charconv>
#include <limits>
#include <memory>

#include "base/errors.h"
#include "base/path_utils.h"
#include "formats/ini_document.h"
#include "platform/files/file_contents.h"

namespace velmar {

namespace {

[[noreturn]] void WriteFailed(const std::string& path, const std::string& why) {
  throw InstallerError("Unable to write to " + path + ": " + why);
}

}  // namespace

bool ParseIniInteger(std::string_view text, int& value) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return false;
  uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  const uint64_t limit = negative ? uint64_t(std::numeric_limits<int>::max()) + 1
                                  : uint64_t(std::numeric_limits<int>::max());
  if (magnitude > limit) return false;
  value = negative ? static_cast<int>(-static_cast<int64_t>(magnitude)) : static_cast<int>(magnitude);
  return true;
}

TIniFile::TIniFile(platform::FileSystem& fs, std::string path, CodePage ansiCodePage)
    : fs_(fs), path_(std::move(path)), page_(ansiCodePage) {}

IniDocument TIniFile::Load() const {
  try {
    return IniDocument::Parse(platform::ReadFileContents(fs_, path_).value_or(std::string()), page_);
  } catch (const CodePageError& e) {
    throw InstallerError("Cannot read " + path_ + ": " + e.what());
  }
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
  if (auto value = Load().Value(section, key)) return std::move(*value);
  while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
  return std::string(defaultValue);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
  int value = 0;
  return ParseIniInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Change(section, key, value);
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  Change(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  Change(section, key, value ? "1" : "0");
}

bool TIniFile::SectionExists(std::string_view section) const {
  return !ReadSection(section).empty();
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return Load().Value(section, key).has_value();
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
  return Load().Keys(section);
}

std::vector<std::string> TIniFile::ReadSectionValues(std::string_view section) const {
  const IniDocument doc = Load();
  std::vector<std::string> lines;
  for (const std::string& key : doc.Keys(section)) {
    lines.push_back(key + "=" + doc.Value(section, key).value_or(std::string()));
  }
  return lines;
}

void TIniFile::UpdateFile() {}

void TIniFile::Change(std::string_view section, std::string_view key, std::string_view value) {
  if (const std::string why = IniDocument::CanStore(section, key, value); !why.empty()) {
    WriteFailed(path_, why);
  }
  // Another installer changing the same folder's files at once would replace
  // the file between this read and this write and lose its change. When
  // the folder is missing, the write below fails and says so.
  const auto lock = fs_.lockFolder(FileFolderPart(path_));
  // An existing file must be read completely, or its other lines would be
  // lost. Only a file that cannot be read and is not there is a new one: a
  // file the system could not tell about is never replaced by a new one.
  std::string bytes;
  if (std::optional<std::string> old = platform::ReadFileContents(fs_, path_)) {
    const std::optional<uint32_t> attributes = fs_.attributes(path_);
    if (attributes && (*attributes & attr::ReadOnly)) WriteFailed(path_, "the file is read-only");
    bytes = std::move(*old);
  } else if (const std::optional<uint32_t> attributes = fs_.attributes(path_)) {
    if (*attributes & attr::Folder) WriteFailed(path_, "it is a folder");
    WriteFailed(path_, "the file cannot be read");
  }
  std::string changed;
  try {
    IniDocument doc = IniDocument::Parse(bytes, page_);
    doc.Set(section, key, value);
    changed = doc.Serialize();
  } catch (const CodePageError& e) {
    WriteFailed(path_, e.what());
  }
  platform::ReplaceFileContentsOrRaise(fs_, path_, changed);
}

}  // namespace velmar
