#pragma once
// The shell's folder browser as the installer's pages use it: file-system
// folders only, a status line, My Computer at the top; placed over the
// foreground window and opened on the start folder when that exists.

#include <functional>
#include <optional>
#include <string>

#include "platform/win32/windows_api.h"

namespace velmar::ui::win32 {

struct FolderBrowser {
  HWND owner = nullptr;
  std::string title;
  std::string startFolder;
  // Called once the dialog is open (the host's playback answers through it).
  std::function<void(HWND dialog)> opened;
  // The path of the highlighted item while the dialog is open; empty for an
  // item that is no file-system folder.
  std::string highlighted;
};

// The confirmed folder, or nothing when the user cancelled.
std::optional<std::string> BrowseForFolder(FolderBrowser& browser);

}  // namespace velmar::ui::win32
