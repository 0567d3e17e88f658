#include "platform/win32/windows_api.h"
// after windows.h
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/win32/wide.h"
#include "platform/win32/win32_shell_services.h"

namespace velmar::platform {
namespace {


// COM for the span of one call. A thread that already runs COM in another
// mode can still make shell links, so that is no failure.
class ComScope {
 public:
  ComScope() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (initialized_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialized_;
};

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T** out() { return &p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

// A shell link object and its file interface.
struct ShellLink {
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;

  bool create() {
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(link.out()))))
      return false;
    return SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.out())));
  }
};

constexpr int TextSize = 32768;

class Win32Shortcuts : public Shortcuts {
 public:
  bool CreateShortcut(const std::string& linkPath, const ShortcutProperties& p) override {
    ComScope com;
    ShellLink shell;
    if (!shell.create()) return false;
    // Setting a property cannot fail in a way that matters more than the save.
    shell.link->SetPath(Widen(p.target).c_str());
    shell.link->SetWorkingDirectory(Widen(p.workingFolder).c_str());
    shell.link->SetDescription(Widen(p.description).c_str());
    if (!p.arguments.empty()) shell.link->SetArguments(Widen(p.arguments).c_str());
    if (!p.iconPath.empty()) shell.link->SetIconLocation(Widen(p.iconPath).c_str(), p.iconIndex);
    return SUCCEEDED(shell.file->Save(Widen(linkPath).c_str(), FALSE));
  }

  std::optional<ShortcutProperties> ReadShortcut(const std::string& linkPath) override {
    ComScope com;
    ShellLink shell;
    if (!shell.create() || FAILED(shell.file->Load(Widen(linkPath).c_str(), STGM_READ))) return std::nullopt;
    std::wstring text(TextSize, L'\0');
    const auto read = [&](auto get) {
      text[0] = L'\0';
      get(text.data());
      return Narrow(text.c_str());
    };
    ShortcutProperties p;
    p.target = read([&](wchar_t* s) { shell.link->GetPath(s, TextSize, nullptr, SLGP_RAWPATH); });
    p.workingFolder = read([&](wchar_t* s) { shell.link->GetWorkingDirectory(s, TextSize); });
    p.description = read([&](wchar_t* s) { shell.link->GetDescription(s, TextSize); });
    p.arguments = read([&](wchar_t* s) { shell.link->GetArguments(s, TextSize); });
    int index = 0;
    p.iconPath = read([&](wchar_t* s) { shell.link->GetIconLocation(s, TextSize, &index); });
    p.iconIndex = index;
    return p;
  }
};

}  // namespace

std::unique_ptr<Shortcuts> MakeWin32Shortcuts() { return std::make_unique<Win32Shortcuts>(); }

}  // namespace velmar::platform
