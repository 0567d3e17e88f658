#pragma once
// The real registry seen through one key of the test's own: every root and
// key lands below HKEY_CURRENT_USER\<base>\<root name>, so the installer's
// writes to HKEY_LOCAL_MACHINE or HKEY_CLASSES_ROOT and its reads of the
// user's shell folders never meet the machine's own settings.

#include <memory>
#include <string>

#include "platform/registry.h"

namespace velmar::test {

class SandboxRegistry : public platform::Registry {
 public:
  SandboxRegistry(std::unique_ptr<platform::Registry> real, std::string base)
      : real_(std::move(real)), base_(std::move(base)) {}

  bool KeyExists(platform::RootKey root, const std::string& key) override {
    return real_->KeyExists(platform::RootKey::CurrentUser, Mapped(root, key));
  }
  std::optional<std::string> ReadString(platform::RootKey root, const std::string& key,
                                        const std::string& valueName) override {
    return real_->ReadString(platform::RootKey::CurrentUser, Mapped(root, key), valueName);
  }
  std::optional<std::vector<std::string>> SubkeyNames(platform::RootKey root, const std::string& key) override {
    return real_->SubkeyNames(platform::RootKey::CurrentUser, Mapped(root, key));
  }
  // A root stays, as on the machine.
  bool DeleteKey(platform::RootKey root, const std::string& key) override {
    return !key.empty() && real_->DeleteKey(platform::RootKey::CurrentUser, Mapped(root, key));
  }
  // The machine's shell may hear it: it only makes the shell look again.
  void NotifyAssociationsChanged() override { real_->NotifyAssociationsChanged(); }
  bool CreateKey(platform::RootKey root, const std::string& key) override {
    return real_->CreateKey(platform::RootKey::CurrentUser, Mapped(root, key));
  }
  bool WriteString(platform::RootKey root, const std::string& key, const std::string& valueName,
                   const std::string& value) override {
    return real_->WriteString(platform::RootKey::CurrentUser, Mapped(root, key), valueName, value);
  }

  // Removes the whole sandbox from the real registry.
  void Remove() { real_->DeleteKey(platform::RootKey::CurrentUser, base_); }

 private:
  std::string Mapped(platform::RootKey root, const std::string& key) const {
    std::string mapped = base_ + "\\" + platform::RootKeyName(root);
    return key.empty() ? mapped : mapped + "\\" + key;
  }

  std::unique_ptr<platform::Registry> real_;
  std::string base_;
};

}  // namespace velmar::test
