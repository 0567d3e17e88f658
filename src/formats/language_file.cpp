#include "formats/language_file.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "base/languages.h"
#include "base/errors.h"

namespace velmar {
namespace {

using namespace langfile;

constexpr std::string_view Magic = "\x0F" "VELMAR_LANGUAGE";
constexpr size_t MagicFieldSize = 41;
constexpr size_t GroupCountOffset = 41;
constexpr size_t EntryOffsetField = 41;
constexpr size_t EntrySizeField = 45;
constexpr size_t TextCountField = 34;
constexpr size_t IndexSizeField = 36;
constexpr size_t DataSizeField = 40;

// Fields past the end of a short read count as zero bytes.
uint32_t ReadLittle(std::string_view bytes, size_t at, size_t width) {
  uint32_t value = 0;
  for (size_t i = width; i-- > 0;) {
    const size_t pos = at + i;
    const auto byte = pos < bytes.size() ? static_cast<unsigned char>(bytes[pos]) : 0u;
    value = (value << 8) | byte;
  }
  return value;
}

uint16_t U16(std::string_view bytes, size_t at) { return static_cast<uint16_t>(ReadLittle(bytes, at, 2)); }
uint32_t U32(std::string_view bytes, size_t at) { return ReadLittle(bytes, at, 4); }
int32_t I32(std::string_view bytes, size_t at) { return static_cast<int32_t>(U32(bytes, at)); }

void PutLittle(std::string& out, size_t at, uint32_t value, size_t width) {
  for (size_t i = 0; i < width; ++i) out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutName(std::string& out, size_t at, std::string_view name) {
  const size_t length = std::min(name.size(), MaxGroupNameLength);
  out[at] = static_cast<char>(length);
  out.replace(at + 1, length, name.substr(0, length));
}

}  // namespace

CodePage LanguageCodePage(int languageCode) { return LanguageOfCode(languageCode).codePage; }

std::string LanguageFileExtension(int languageCode) {
  std::string digits = std::to_string(languageCode);
  if (digits.size() == 1) digits.insert(0, "0");
  return ".L" + digits;
}

int LanguageCodeOfFileName(std::string_view fileName) {
  const size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return 0;
  const std::string_view ext = fileName.substr(dot + 1);
  if (ext.size() != 3 || (ext[0] != 'L' && ext[0] != 'l')) return 0;
  if (!std::isdigit(static_cast<unsigned char>(ext[1])) || !std::isdigit(static_cast<unsigned char>(ext[2])))
    return 0;
  return (ext[1] - '0') * 10 + (ext[2] - '0');
}

std::string BufferSource::readAt(uint64_t offset, uint64_t count) {
  if (offset >= bytes_.size()) return {};
  const uint64_t available = bytes_.size() - offset;
  return std::string(bytes_.substr(static_cast<size_t>(offset), static_cast<size_t>(std::min(count, available))));
}

StoredTexts ReadGroupBlock(ByteSource& source, uint64_t offset) {
  const std::string header = source.readAt(offset, GroupHeaderSize);
  const uint16_t textCount = U16(header, TextCountField);
  const uint16_t indexSize = U16(header, IndexSizeField);
  const uint32_t dataSize = U32(header, DataSizeField);
  if (indexSize == 0 || dataSize == 0) return {};

  // The index table and the string data follow the header as the header
  // says, even when the header itself was cut short.
  const std::string index = source.readAt(offset + GroupHeaderSize, indexSize);
  const std::string data = source.readAt(offset + GroupHeaderSize + indexSize, dataSize);

  StoredTexts texts;
  texts.reserve(textCount);
  for (size_t n = 1; n <= textCount; ++n) {
    const size_t entry = (n - 1) * IndexEntrySize;
    if (entry + IndexEntrySize > index.size()) {
      texts.emplace_back(std::nullopt);
      continue;
    }
    const uint32_t start = U32(index, entry);  // 1-based
    const uint16_t length = U16(index, entry + 4);
    if (length == 0) {
      texts.emplace_back(std::string());
    } else if (start == 0 || uint64_t(start) - 1 + length > data.size()) {
      texts.emplace_back(std::nullopt);
    } else {
      texts.emplace_back(data.substr(start - 1, length));
    }
  }
  return texts;
}

bool HasCombinedMagic(std::string_view fileStart) {
  return fileStart.substr(0, Magic.size()) == Magic;
}

CombinedDirectory ReadCombinedDirectory(ByteSource& source) {
  CombinedDirectory result;
  const std::string header = source.readAt(0, FileHeaderSize);
  result.hasMagic = HasCombinedMagic(header);
  if (!result.hasMagic) return result;

  const int32_t declared = I32(header, GroupCountOffset);
  const size_t count = static_cast<size_t>(std::clamp(declared, 0, GroupCount));
  const std::string directory = source.readAt(FileHeaderSize, count * DirectoryEntrySize);
  for (size_t i = 0; i < count; ++i) {
    const std::string_view entry = std::string_view(directory).substr(
        std::min(directory.size(), i * DirectoryEntrySize), DirectoryEntrySize);
    DirectoryEntry parsed;
    if (!entry.empty()) {
      const size_t length = std::min<size_t>(static_cast<unsigned char>(entry[0]), MaxGroupNameLength);
      parsed.name = std::string(entry.substr(1, length));
    }
    parsed.offset = I32(entry, EntryOffsetField);
    parsed.size = I32(entry, EntrySizeField);
    result.entries.push_back(std::move(parsed));
  }
  return result;
}

std::string BuildGroupBlock(const std::vector<std::string>& texts) {
  if (texts.size() > MaxTexts)
    throw InstallerError("A language group holds at most " + std::to_string(MaxTexts) + " texts, not " +
                         std::to_string(texts.size()));
  std::string index(texts.size() * IndexEntrySize, '\0');
  std::string data;
  for (size_t i = 0; i < texts.size(); ++i) {
    const std::string& text = texts[i];
    if (text.size() > MaxTextLength)
      throw InstallerError("Text " + std::to_string(i + 1) + " is longer than " + std::to_string(MaxTextLength) +
                           " bytes");
    if (text.empty()) continue;
    if (data.size() + text.size() > uint64_t(std::numeric_limits<int32_t>::max()) - GroupHeaderSize - index.size())
      throw InstallerError("The texts of a language group exceed 2 GB");
    PutLittle(index, i * IndexEntrySize, static_cast<uint32_t>(data.size() + 1), 4);
    PutLittle(index, i * IndexEntrySize + 4, static_cast<uint32_t>(text.size()), 2);
    data += text;
  }

  std::string block(GroupHeaderSize, '\0');
  PutLittle(block, TextCountField, static_cast<uint32_t>(texts.size()), 2);
  PutLittle(block, IndexSizeField, static_cast<uint32_t>(index.size()), 2);
  PutLittle(block, DataSizeField, static_cast<uint32_t>(data.size()), 4);
  return block + index + data;
}

std::string BuildCombinedFile(const std::string& setupGroupBlock) {
  const size_t blockOffset = FileHeaderSize + GroupCount * DirectoryEntrySize;
  if (setupGroupBlock.size() > size_t(std::numeric_limits<int32_t>::max()) - blockOffset)
    throw InstallerError("The setup group is too large for a combined language file");

  std::string file(blockOffset, '\0');
  file.replace(0, Magic.size(), Magic);
  static_assert(Magic.size() <= MagicFieldSize);
  PutLittle(file, GroupCountOffset, GroupCount, 4);
  for (int group = 1; group <= GroupCount; ++group) {
    const size_t entry = FileHeaderSize + (group - 1) * DirectoryEntrySize;
    if (group == SetupGroup) {
      PutName(file, entry, "VSETUP");
      PutLittle(file, entry + EntryOffsetField, static_cast<uint32_t>(blockOffset), 4);
      PutLittle(file, entry + EntrySizeField, static_cast<uint32_t>(setupGroupBlock.size()), 4);
    } else {
      PutName(file, entry, "GROUP" + std::to_string(group));
    }
  }
  return file + setupGroupBlock;
}

}  // namespace velmar
