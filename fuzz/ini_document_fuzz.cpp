// The INI document: any bytes read and written back unchanged, every key of
// every section readable, and a value set is the value read; in both code
// pages of the installer's languages.
#include <cstdlib>

#include "formats/ini_document.h"

using namespace velmar;

namespace {

void Check(std::string_view bytes, CodePage page) {
  const size_t size = bytes.size();
  IniDocument doc = IniDocument::Parse(bytes, page);
  if (doc.Serialize() != bytes) std::abort();  // unknown content is kept byte for byte

  // Section names as the file spells them, found the crude way.
  std::vector<std::string> sections;
  for (size_t at = 0; (at = bytes.find('[', at)) != std::string_view::npos; ++at) {
    size_t close = bytes.find(']', at);
    if (close == std::string_view::npos) break;
    sections.emplace_back(bytes.substr(at + 1, close - at - 1));
    if (sections.size() > 8) break;
  }
  sections.push_back("Setup");
  for (const std::string& section : sections)
    for (const std::string& key : doc.Keys(section))
      if (!doc.Value(section, key)) std::abort();  // a listed key must be readable

  // A change that CanStore allows must read back, and survive a rewrite.
  const std::string section = sections.front(), key = size > 3 ? std::string(bytes.substr(0, 3)) : "Key";
  const std::string value = size > 9 ? std::string(bytes.substr(3, 6)) : "value";
  if (IniDocument::CanStore(section, key, value).empty()) {
    doc.Set(section, key, value);
    auto read = doc.Value(section, key);
    IniDocument again = IniDocument::Parse(doc.Serialize(), page);
    auto reread = again.Value(section, key);
    if (!read || !reread || *read != *reread) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Check(bytes, CodePage::Cp1252);
  Check(bytes, CodePage::Cp1250);
  return 0;
}
