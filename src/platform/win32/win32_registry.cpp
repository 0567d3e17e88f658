#include "platform/win32/windows_api.h"

#include <shlobj.h>

#include "platform/win32/wide.h"
#include "platform/win32/win32_shell_services.h"

namespace velmar::platform {
namespace {


// The product's programs are 32-bit programs: a 64-bit installer must see
// their view of HKEY_LOCAL_MACHINE\Software and HKEY_CLASSES_ROOT.
constexpr REGSAM View = KEY_WOW64_32KEY;

HKEY RootHandle(RootKey root) {
  switch (root) {
    case RootKey::CurrentUser:
      return HKEY_CURRENT_USER;
    case RootKey::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RootKey::ClassesRoot:
      break;
  }
  return HKEY_CLASSES_ROOT;
}

class OpenKey {
 public:
  OpenKey(RootKey root, const std::string& key, REGSAM access) {
    if (RegOpenKeyExW(RootHandle(root), Widen(key).c_str(), 0, access | View, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  explicit operator bool() const { return key_ != nullptr; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

std::vector<std::string> EnumerateSubkeys(HKEY key) {
  std::vector<std::string> names;
  wchar_t name[256];  // the longest key name is 255 characters
  for (DWORD i = 0;; ++i) {
    DWORD size = 256;
    const LONG rc = RegEnumKeyExW(key, i, name, &size, nullptr, nullptr, nullptr, nullptr);
    if (rc != ERROR_SUCCESS) break;
    names.push_back(Narrow(std::wstring_view(name, size)));
  }
  return names;
}

class Win32Registry : public Registry {
 public:
  bool KeyExists(RootKey root, const std::string& key) override {
    return static_cast<bool>(OpenKey(root, key, KEY_READ));
  }

  std::optional<std::string> ReadString(RootKey root, const std::string& key, const std::string& valueName) override {
    OpenKey k(root, key, KEY_READ);
    if (!k) return std::nullopt;
    const std::wstring name = Widen(valueName);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(k.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
      return std::nullopt;
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (RegQueryValueExW(k.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
      return std::nullopt;
    data.resize(size / sizeof(wchar_t));
    while (!data.empty() && data.back() == L'\0') data.pop_back();
    return Narrow(data);
  }

  std::optional<std::vector<std::string>> SubkeyNames(RootKey root, const std::string& key) override {
    OpenKey k(root, key, KEY_READ);
    if (!k) return std::nullopt;
    return EnumerateSubkeys(k.get());
  }

  bool DeleteKey(RootKey root, const std::string& key) override {
    if (key.find_first_not_of('\\') == std::string::npos) return false;
    if (auto names = SubkeyNames(root, key))
      for (const std::string& name : *names) DeleteKey(root, key + "\\" + name);
    return RegDeleteKeyExW(RootHandle(root), Widen(key).c_str(), View, 0) == ERROR_SUCCESS;
  }

  void NotifyAssociationsChanged() override { SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_DWORD, nullptr, nullptr); }

  bool CreateKey(RootKey root, const std::string& key) override {
    HKEY k = nullptr;
    if (RegCreateKeyExW(RootHandle(root), Widen(key).c_str(), 0, nullptr, 0, KEY_WRITE | View, nullptr, &k, nullptr) !=
        ERROR_SUCCESS)
      return false;
    RegCloseKey(k);
    return true;
  }

  bool WriteString(RootKey root, const std::string& key, const std::string& valueName,
                   const std::string& value) override {
    HKEY k = nullptr;
    if (RegCreateKeyExW(RootHandle(root), Widen(key).c_str(), 0, nullptr, 0, KEY_WRITE | View, nullptr, &k, nullptr) !=
        ERROR_SUCCESS)
      return false;
    const std::wstring data = Widen(value);
    const LONG rc = RegSetValueExW(k, Widen(valueName).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(k);
    return rc == ERROR_SUCCESS;
  }
};

}  // namespace

std::unique_ptr<Registry> MakeWin32Registry() { return std::make_unique<Win32Registry>(); }

}  // namespace velmar::platform
