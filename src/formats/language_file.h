#pragma once
// The binary language files: the combined file "Velmar.Lnn" that holds the
// text groups of every module of the product, and the separate file
// "VSETUP.Lnn" that holds only the setup group. Texts are stored in the code
// page of their language, without terminator.
//
// Reading goes through a ByteSource so that the loader reads only the parts it
// needs from disk while the compiler and tests work on buffers. Every size and
// offset of a file is distrusted: nothing is read beyond what the source
// delivers, and a text that does not lie inside what was read comes back as
// damaged, never as bytes from elsewhere.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/codepage.h"

namespace velmar {

namespace langfile {
constexpr size_t FileHeaderSize = 49;
constexpr size_t DirectoryEntrySize = 49;
constexpr size_t GroupHeaderSize = 44;
constexpr size_t IndexEntrySize = 8;
constexpr size_t MaxGroupNameLength = 40;
constexpr int GroupCount = 16;
constexpr int SetupGroup = 16;
// The size of the index table is a 16-bit field: 8191 entries of 8 bytes.
constexpr size_t MaxTexts = 65535 / IndexEntrySize;
constexpr size_t MaxTextLength = 65535;
}  // namespace langfile

// The code page the texts of a language are stored in: 1250 for Polish (48),
// 1252 for the others.
CodePage LanguageCodePage(int languageCode);
// ".L49"; a one-digit code gets a leading zero (".L07").
std::string LanguageFileExtension(int languageCode);
// The code of a file name ending in ".Lnn" (any case), or 0.
int LanguageCodeOfFileName(std::string_view fileName);

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Up to count bytes from offset; fewer (or none) where the data ends.
  virtual std::string readAt(uint64_t offset, uint64_t count) = 0;
};

class BufferSource : public ByteSource {
 public:
  explicit BufferSource(std::string_view bytes) : bytes_(bytes) {}
  std::string readAt(uint64_t offset, uint64_t count) override;

 private:
  std::string_view bytes_;
};

// The texts of one group block: entry n at index n-1. An empty string is an
// entry of length 0 (no text); nullopt is an entry that points outside the
// index table or the string data that could be read.
using StoredTexts = std::vector<std::optional<std::string>>;

// A group block whose index or data size is 0 gives no entries.
StoredTexts ReadGroupBlock(ByteSource& source, uint64_t offset);

struct DirectoryEntry {
  std::string name;  // in the file's code page
  int32_t offset = 0;
  int32_t size = 0;  // 0 or less: the group is absent
};

struct CombinedDirectory {
  bool hasMagic = false;
  std::vector<DirectoryEntry> entries;  // at most 16, in group order
};

CombinedDirectory ReadCombinedDirectory(ByteSource& source);
bool HasCombinedMagic(std::string_view fileStart);

// Writing. texts[n-1] is the text of entry n in the language's code page; an
// empty text is stored with length 0. Throws InstallerError when the texts do
// not fit the format (too many, too long).
std::string BuildGroupBlock(const std::vector<std::string>& texts);
// A combined file with 16 groups: groups 1 to 15 absent, group 16 "VSETUP"
// holding the given block.
std::string BuildCombinedFile(const std::string& setupGroupBlock);

}  // namespace velmar
