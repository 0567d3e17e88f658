// The binary language files read from bytes: group blocks, the combined
// directory, and the decompiler. What a block gives back, written again,
// must read the same.
#include <algorithm>
#include <cstdlib>

#include "base/errors.h"
#include "common/language_compiler.h"
#include "formats/language_file.h"

using namespace velmar;

namespace {

void CheckBlock(ByteSource& source, uint64_t offset) {
  const StoredTexts texts = ReadGroupBlock(source, offset);
  if (texts.size() > 65535) std::abort();
  std::vector<std::string> plain;
  for (const auto& text : texts) {
    if (text && text->size() > langfile::MaxTextLength) std::abort();
    plain.push_back(text.value_or(""));
  }
  if (plain.size() > langfile::MaxTexts) return;  // more than the writer may write
  const std::string block = BuildGroupBlock(plain);
  BufferSource rebuilt(block);
  const StoredTexts again = ReadGroupBlock(rebuilt, 0);
  if (plain.empty() || std::all_of(plain.begin(), plain.end(), [](const std::string& t) { return t.empty(); })) {
    if (!again.empty()) std::abort();  // no string data: the block reads as empty
    return;
  }
  if (again.size() != plain.size()) std::abort();
  for (size_t i = 0; i < plain.size(); ++i)
    if (!again[i] || *again[i] != plain[i]) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  BufferSource source(bytes);
  CheckBlock(source, 0);
  const CombinedDirectory directory = ReadCombinedDirectory(source);
  if (directory.entries.size() > size_t(langfile::GroupCount)) std::abort();
  for (const DirectoryEntry& entry : directory.entries)
    if (entry.offset >= 0 && entry.size > 0) CheckBlock(source, uint64_t(entry.offset));
  const int code = size % 2 ? 48 : 44;  // code pages 1250 and 1252
  try {
    DecompiledLanguage result = DecompileLanguage(bytes, code);
    if (result.source.code != code) std::abort();
  } catch (const InstallerError&) {
  }
  return 0;
}
