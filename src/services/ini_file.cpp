#include "services/ini_file.h"

#include <charconv>
#include <limits>
#include <memory>

#include "services/errors.h"
#include "services/ini_document.h"

namespace velmar {

namespace attr = platform::attr;

namespace {

[[noreturn]] void WriteFailed(const std::string& path, const std::string& why) {
  throw InstallerError("Unable to write to " + path + ": " + why);
}

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadAll(platform::FileSystem& fs, const std::string& path) {
  std::unique_ptr<platform::OpenFile> in = fs.openRead(path);
  if (!in) return std::nullopt;
  std::string bytes;
  char block[16384];
  for (;;) {
    const int64_t got = in->read(block, sizeof block);
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    bytes.append(block, static_cast<size_t>(got));
  }
  in->close();
  return bytes;
}

IniDocument Load(platform::FileSystem& fs, const std::string& path) {
  return IniDocument::Parse(ReadAll(fs, path).value_or(std::string()));
}

// A write stores fewer bytes only when the disk is full.
bool WriteAll(platform::OpenFile& out, const std::string& bytes) {
  return bytes.empty() || out.write(bytes.data(), bytes.size()) == static_cast<int64_t>(bytes.size());
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

TIniFile::TIniFile(platform::FileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
  return Load(fs_, path_).Value(section, key).value_or(std::string(defaultValue));
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
  return Load(fs_, path_).Value(section, key).has_value();
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
  return Load(fs_, path_).Keys(section);
}

std::vector<std::string> TIniFile::ReadSectionValues(std::string_view section) const {
  const IniDocument doc = Load(fs_, path_);
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
  // An existing file must be read completely, or its other lines would be lost.
  const std::optional<uint32_t> attributes = fs_.attributes(path_);
  std::string bytes;
  if (attributes) {
    if (*attributes & attr::Folder) WriteFailed(path_, "it is a folder");
    if (*attributes & attr::ReadOnly) WriteFailed(path_, "the file is read-only");
    std::optional<std::string> old = ReadAll(fs_, path_);
    if (!old) WriteFailed(path_, "the file cannot be read");
    bytes = std::move(*old);
  }
  IniDocument doc = IniDocument::Parse(bytes);
  doc.Set(section, key, value);

  const std::string temporary = path_ + ".~tmp";
  std::unique_ptr<platform::OpenFile> out = fs_.create(temporary);
  if (!out) WriteFailed(path_, "no file can be created in its folder");
  const bool written = WriteAll(*out, doc.Serialize());
  const bool closed = out->close();
  out.reset();
  if (!written || !closed) {
    fs_.deleteFile(temporary);
    WriteFailed(path_, "the disk is full or cannot be written");
  }
  // The new file keeps the hidden and system marks of the one it replaces.
  if (attributes && (*attributes & (attr::Hidden | attr::System))) {
    fs_.setAttributes(temporary, *attributes | attr::Archive);
  }
  if (!fs_.replaceFile(temporary, path_)) {
    fs_.deleteFile(temporary);
    WriteFailed(path_, "the file cannot be replaced");
  }
}

}  // namespace velmar
