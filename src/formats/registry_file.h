#pragma once
// A registry kept as a REGEDIT4 text: sections "[HKEY_CURRENT_USER\Software\X]"
// with lines "name"="value" and @="default". Strings escape "\" and "\"" as
// \\ and \"; values of other types (dword:, hex...:) are kept as written.
// Key paths here begin with the root's name; names are compared without
// regard to case, and keep the case they were first written in.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

class RegistryFile {
 public:
  // Nothing when the text is not a registry file (no REGEDIT4 header line).
  static std::optional<RegistryFile> Parse(std::string_view text);
  // UTF-8, CR LF line ends.
  std::string Serialize() const;

  bool KeyExists(std::string_view key) const;
  std::optional<std::string> ReadString(std::string_view key, std::string_view valueName) const;
  std::vector<std::string> SubkeyNames(std::string_view key) const;
  // Removes the key and everything below it; false when there was none.
  bool DeleteKey(std::string_view key);
  // False for names the file cannot hold (control characters, empty parts).
  bool CreateKey(std::string_view key);
  bool WriteString(std::string_view key, std::string_view valueName, std::string_view value);

 private:
  struct Value {
    std::string name;  // empty for the default value
    std::string data;  // right-hand side as written in the file
  };
  struct Key {
    std::string path;
    std::vector<Value> values;
  };
  Key* Find(std::string_view key);
  const Key* Find(std::string_view key) const;

  std::vector<Key> keys_;
};

}  // namespace velmar
