// The REGEDIT4 registry file: any text parses or is refused; what parses
// serialises to a text that parses to the same; a string written is the
// string read, also after a save and a load.
#include <cstdlib>

#include "formats/registry_file.h"
#include "base/codepage.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto file = RegistryFile::Parse(text);
  if (!file) return 0;
  const std::string saved = file->Serialize();
  auto reloaded = RegistryFile::Parse(saved);
  if (!reloaded || reloaded->Serialize() != saved) std::abort();

  // Names and a value taken from the input; the program's strings are UTF-8
  // without NUL characters.
  const size_t cut = std::min<size_t>(size, 24);
  std::string value(text.substr(0, cut)), name(text.substr(cut / 2, cut / 3));
  if (!IsValidUtf8(value) || !IsValidUtf8(name) || value.find('\0') != std::string::npos) return 0;
  const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Velmar\\" + std::string(name.empty() ? "Setup" : "Setup\\" + name);
  for (const std::string& k : file->SubkeyNames("HKEY_LOCAL_MACHINE\\Software")) file->KeyExists(k);
  if (!file->WriteString(key, name, value)) return 0;
  auto read = file->ReadString(key, name);
  if (!read || *read != value) std::abort();
  auto afterLoad = RegistryFile::Parse(file->Serialize());
  if (!afterLoad) std::abort();
  read = afterLoad->ReadString(key, name);
  if (!read || *read != value) std::abort();
  if (!afterLoad->DeleteKey(key) || afterLoad->KeyExists(key)) std::abort();
  return 0;
}
