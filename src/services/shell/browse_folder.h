#pragma once
// The folder browser behind every folder button of the wizard pages: a
// component that sits on a page without a window of its own and opens the
// shell's folder browse dialog through the page's host.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace velmar {

namespace ui {
class Host;
class Page;
}  // namespace ui

// Browse options; each value is the shell's own flag bit, so a set of them is
// their OR.
enum TBrowseInfoFlags : uint32_t {
  bfFileSysDirsOnly = 0x0001,    // only file-system folders can be chosen
  bfDontGoBelowDomain = 0x0002,
  bfStatusText = 0x0004,         // the dialog has a status text
  bfFileSysAncestors = 0x0008,
  bfBrowseForComputer = 0x1000,
  bfBrowseForPrinter = 0x2000,
};

// The top of the folder tree: the shell's special folder numbers, and the
// whole desktop namespace without a root.
enum TSHFolders : int {
  foDesktopExpanded = -1,
  foDesktop = 0,
  foPrograms = 2,
  foControlPanel = 3,
  foPrinters = 4,
  foPersonal = 5,
  foFavorites = 6,
  foStartup = 7,
  foRecent = 8,
  foSendto = 9,
  foRecycleBin = 10,
  foStartMenu = 11,
  foDesktopDirectory = 16,
  foMyComputer = 17,
  foNetwork = 18,
  foNetworkNeighborhood = 19,
  foFonts = 20,
  foTemplates = 21,
};

enum TCustomButtonType { btPushButton, btCheckBox };

class TBrowseFolder {
 public:
  // Longest folder path the dialog takes or gives, in characters.
  static constexpr size_t MaxPath = 260;
  static constexpr int DefaultCustomButtonWidth = 75;

  using Event = std::function<void(TBrowseFolder&)>;
  using SelectionEvent = std::function<void(TBrowseFolder&, const std::string& path)>;

  // In: the folder preselected when the dialog opens (when it exists); out:
  // the folder the user confirmed.
  std::string Directory;
  std::string Title;  // shown above the folder tree
  uint32_t Flags = bfFileSysDirsOnly | bfStatusText;
  // The highlighted folder's path, shortened (MinimizePath), as status text.
  bool ShowPathInStatusArea = false;
  TSHFolders RootFolder = foDesktopExpanded;

  // An extra button in the dialog. The installer's pages never show it, and
  // the hosts do not draw it.
  bool CustomButtonVisible = false;
  bool CustomButtonEnabled = true;
  std::string CustomButtonCaption;
  TCustomButtonType CustomButtonType = btPushButton;
  bool CustomButtonChecked = false;
  bool SyncCustomButton = false;
  int CustomButtonWidth() const { return customButtonWidth_; }
  // A width of 0 or less sets the default width.
  void SetCustomButtonWidth(int width) { customButtonWidth_ = width > 0 ? width : DefaultCustomButtonWidth; }

  Event OnInitialized;                  // the dialog has opened
  SelectionEvent OnSelectionChanged;    // the highlighted folder changed
  Event OnCustomButtonClick;

  // The page the dialog belongs to; none: the program's main window.
  ui::Page* Owner = nullptr;

  // Opens the dialog; true when the user confirmed a folder, which is then in
  // Directory. A cancelled dialog leaves Directory as it was. A Directory
  // longer than MaxPath cannot name a folder and is not preselected.
  bool Execute(ui::Host& host);

  // The folder last highlighted in the dialog.
  const std::string& SelectedPath() const { return selectedPath_; }

 private:
  int customButtonWidth_ = DefaultCustomButtonWidth;
  std::string selectedPath_;
};

// The path shortened for the dialog's status text: when it is longer than
// limit characters and has at least 3 parts between backslashes, the second
// part becomes "..."; then, while it is still too long and has at least 4
// parts, the part after "..." goes. "C:\A\B\C\file" -> "C:\...\B\C\file" ->
// "C:\...\C\file". The result can still be longer than the limit.
std::string MinimizePath(std::string_view path, size_t limit = 35);

}  // namespace velmar
