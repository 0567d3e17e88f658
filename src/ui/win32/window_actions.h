#pragma once
// The steps of an answer file done through real window messages: focus moved
// with SetFocus (the edit left hears of it through its WM_KILLFOCUS), text set
// with WM_SETTEXT, clicks with BM_CLICK, lines and nodes chosen with the list's
// and tree's own messages, keys posted to the focused window. After each
// message the host lets the windows handle what followed.

#include <functional>

#include "ui/script/script_player.h"
#include "ui/win32/page_window.h"

namespace velmar::ui::win32 {

class WindowActions : public script::StepActions {
 public:
  // windowOf: the window of a shown page; settle: handles the messages that
  // an action caused, and ends the action when the run is to end.
  WindowActions(std::function<PageWindow*(Page&)> windowOf, std::function<void(Page&)> settle)
      : windowOf_(std::move(windowOf)), settle_(std::move(settle)) {}

  void Focus(Page& page, Control& control) override;
  void Type(Edit& edit, const std::string& text) override;
  void Click(Control& control) override;
  void Choose(RadioGroup& group, int index) override;
  void Choose(ListBox& list, int index) override;
  void Choose(TreeView& tree, TreeNode& node) override;
  void DoubleClick(Control& control) override;
  void Press(Page& page, Key key) override;

 private:
  PageWindow& WindowOf(Page& page);
  HWND Handle(Control& control, int item = -1);

  std::function<PageWindow*(Page&)> windowOf_;
  std::function<void(Page&)> settle_;
};

}  // namespace velmar::ui::win32
