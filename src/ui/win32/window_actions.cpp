#include "ui/win32/window_actions.h"

#include <stdexcept>

#include "platform/win32/wide.h"

namespace velmar::ui::win32 {

PageWindow& WindowActions::WindowOf(Page& page) {
  PageWindow* window = windowOf_(page);
  if (!window) throw std::logic_error("page " + page.ClassName() + " has no window");
  return *window;
}

HWND WindowActions::Handle(Control& control, int item) {
  HWND window = WindowOf(control.Owner()).WindowOf(control, item);
  if (!window) throw std::logic_error(control.Name() + " has no window");
  return window;
}

void WindowActions::Focus(Page& page, Control& control) {
  WindowOf(page).FocusControl(control);
  settle_(page);
}

void WindowActions::Type(Edit& edit, const std::string& text) {
  std::wstring wide = platform::Widen(text);
  SendMessageW(Handle(edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  settle_(edit.Owner());
}

void WindowActions::Click(Control& control) {
  SendMessageW(Handle(control), BM_CLICK, 0, 0);
  settle_(control.Owner());
}

void WindowActions::Choose(RadioGroup& group, int index) {
  SendMessageW(Handle(group, index), BM_CLICK, 0, 0);
  settle_(group.Owner());
}

void WindowActions::Choose(ListBox& list, int index) {
  HWND window = Handle(list);
  SendMessageW(window, LB_SETCURSEL, WPARAM(index), 0);
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(window));
  settle_(list.Owner());
}

void WindowActions::Choose(TreeView& tree, TreeNode& node) {
  WindowOf(tree.Owner()).ClickNode(tree, node);
  settle_(tree.Owner());
}

void WindowActions::DoubleClick(Control& control) {
  HWND window = Handle(control);
  if (control.Kind() == ControlKind::ListBox) {
    SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(window));
  } else {
    NMHDR header{window, UINT_PTR(GetDlgCtrlID(window)), UINT(NM_DBLCLK)};
    SendMessageW(GetParent(window), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  }
  settle_(control.Owner());
}

void WindowActions::Press(Page& page, Key key) {
  PageWindow& window = WindowOf(page);
  HWND target = page.Focused() ? window.WindowOf(*page.Focused()) : nullptr;
  if (!target) target = window.Handle();
  auto code = UINT(key);
  LPARAM scan = LPARAM(MapVirtualKeyW(code, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(target, WM_KEYDOWN, code, scan | 1);
  PostMessageW(target, WM_KEYUP, code, scan | 1 | (LPARAM(3) << 30));
  settle_(page);
}

}  // namespace velmar::ui::win32
