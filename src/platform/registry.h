#pragma once
// The Windows registry as the installer needs it: string values, the subkeys
// of a key, and removal of whole keys. Key paths are given below a root key
// without a leading backslash ("Software\Microsoft\Windows"); key and value
// names are compared without regard to case. An empty value name is the key's
// default value.

#include <optional>
#include <string>
#include <vector>

namespace velmar::platform {

enum class RootKey { CurrentUser, LocalMachine, ClassesRoot };

class Registry {
 public:
  virtual ~Registry() = default;

  // The key exists and can be opened for reading; nothing is created.
  virtual bool KeyExists(RootKey root, const std::string& key) = 0;
  // A string value (also an expandable one, unexpanded); nothing when the key
  // or value is missing or holds another type.
  virtual std::optional<std::string> ReadString(RootKey root, const std::string& key, const std::string& valueName) = 0;
  std::optional<std::string> ReadDefault(RootKey root, const std::string& key) { return ReadString(root, key, ""); }
  // Names of the direct subkeys, in alphabetical order; nothing when the key
  // cannot be opened.
  virtual std::optional<std::vector<std::string>> SubkeyNames(RootKey root, const std::string& key) = 0;
  // Deletes the key with all its subkeys and values, as far as it can; true
  // when the key is gone and was there before. A root is never deleted.
  virtual bool DeleteKey(RootKey root, const std::string& key) = 0;

  // Tells the shell that file type registrations changed, so that it shows
  // files with their new programs and icons. Where no shell listens, nothing.
  virtual void NotifyAssociationsChanged() {}

  // Creates the key and any missing parents.
  virtual bool CreateKey(RootKey root, const std::string& key) = 0;
  // Creates the key when missing and sets a string value.
  virtual bool WriteString(RootKey root, const std::string& key, const std::string& valueName,
                           const std::string& value) = 0;
};

// "HKEY_CURRENT_USER" and its siblings, as regedit writes them.
const char* RootKeyName(RootKey root);

}  // namespace velmar::platform
