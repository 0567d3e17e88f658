#pragma once
// A page window's record of one child window: the control it shows and what
// Sync last put into it, so that only what changed is set again.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/win32/page_window.h"

namespace velmar::ui::win32 {

struct PageWindow::Child {
  Control* model = nullptr;
  int item = -1;  // the item of a radio group; -1: the control itself
  int id = 0;
  HWND hwnd = nullptr;

  std::optional<Rect> place;
  std::optional<bool> visible, enabled, checked, readOnly;
  std::optional<std::string> text;
  std::optional<std::vector<std::string>> lines;
  std::optional<int> limit, itemHeight;
  std::optional<std::pair<int, int>> range;
  std::optional<int> position;
  std::string look;  // what an owner-drawn window shows
  HFONT font = nullptr;

  // Tree views.
  std::optional<std::string> shape;
  std::map<const TreeNode*, HTREEITEM> items;
  std::optional<std::string> images;
  bool selectedByMouse = false;
};

// Windows being set by the host: their notifications are no user input.
class PageWindow::Quiet {
 public:
  explicit Quiet(PageWindow& window) : window_(window) { ++window_.quiet_; }
  ~Quiet() { --window_.quiet_; }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  PageWindow& window_;
};

std::wstring WindowText(HWND window);

}  // namespace velmar::ui::win32
