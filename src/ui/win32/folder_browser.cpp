#include "ui/win32/folder_browser.h"

#include <shlobj.h>

#include "platform/win32/wide.h"
#include "ui/layout/window_rules.h"

namespace velmar::ui::win32 {
namespace {

Rect ToModel(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

std::optional<std::wstring> PathOf(LPCITEMIDLIST item) {
  wchar_t path[MAX_PATH] = {};
  if (!item || !SHGetPathFromIDListW(item, path)) return std::nullopt;
  return std::wstring(path);
}

bool FolderExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM lparam, LPARAM data) {
  auto& browser = *reinterpret_cast<FolderBrowser*>(data);
  switch (message) {
    case BFFM_INITIALIZED: {
      // Over the foreground window: centred across, a quarter of its height down.
      HWND foreground = GetForegroundWindow();
      if (!foreground || foreground == dialog) foreground = browser.owner;
      RECT own, over;
      if (foreground && GetWindowRect(dialog, &own) && GetWindowRect(foreground, &over)) {
        Rect place = PlaceOnForeground(ToModel(own), ToModel(over));
        SetWindowPos(dialog, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
      }
      std::wstring start = platform::Widen(browser.startFolder);
      if (!start.empty() && FolderExists(start))
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(start.c_str()));
      if (browser.opened) browser.opened(dialog);
      break;
    }
    case BFFM_SELCHANGED: {
      auto path = PathOf(reinterpret_cast<LPCITEMIDLIST>(lparam));
      browser.highlighted = path ? platform::Narrow(*path) : std::string();
      SendMessageW(dialog, BFFM_ENABLEOK, 0, path ? TRUE : FALSE);
      break;
    }
    default:
      break;
  }
  return 0;
}

}  // namespace

std::optional<std::string> BrowseForFolder(FolderBrowser& browser) {
  LPITEMIDLIST root = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(browser.owner, CSIDL_DRIVES, &root))) root = nullptr;
  wchar_t displayName[MAX_PATH] = {};
  std::wstring title = platform::Widen(browser.title);
  BROWSEINFOW info{};
  info.hwndOwner = browser.owner;
  info.pidlRoot = root;
  info.pszDisplayName = displayName;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(&browser);
  LPITEMIDLIST chosen = SHBrowseForFolderW(&info);
  std::optional<std::string> result;
  if (chosen) {
    if (auto path = PathOf(chosen)) result = platform::Narrow(*path);
    CoTaskMemFree(chosen);
  }
  if (root) CoTaskMemFree(root);
  return result;
}

}  // namespace velmar::ui::win32
