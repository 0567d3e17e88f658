#pragma once
// The real window of one shown page: a top-level window that paints the
// page's graphic controls (gradient, panels, bevels, labels, images, radio
// group frames) itself and holds a child window for every control a user
// works with. User input reaches the models through ui/input.h inside the
// host's Invoke; Sync brings the windows up to date with the models.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/windows_api.h"
#include "ui/win32/gdi_cache.h"
#include "ui/controls.h"
#include "ui/page.h"
#include "ui/script/answer_recorder.h"

#include <commctrl.h>

namespace velmar::ui::win32 {

class PageWindow;

// The page's private messages.
constexpr UINT WM_PAGE_PAINTED = WM_APP + 1;

// What a page window needs from its host.
class HostCore {
 public:
  virtual ~HostCore() = default;
  // Runs one handler of the models inside Host::Guard; anything else that
  // escapes is kept for the modal loops to end on. Then every shown page's
  // windows are brought up to date.
  virtual void Invoke(const std::function<void()>& handler) = 0;
  virtual GdiCache& Gdi() = 0;
  // Whether pictures are taken: the page then waits a moment after its
  // first paint, so that it is on the screen completely.
  virtual bool TakesPictures() const = 0;
  // The page has been painted once: its picture, then OnShow.
  virtual void PageOnScreen(PageWindow& window) = 0;
  // Where the user's actions are recorded; none: they are not.
  virtual script::AnswerRecorder* Recorder() = 0;
};

class PageWindow {
 public:
  PageWindow(HostCore& host, Page& page, HWND owner);
  ~PageWindow();
  PageWindow(const PageWindow&) = delete;
  PageWindow& operator=(const PageWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  Page& Model() const { return page_; }
  bool Contains(HWND window) const;

  // On screen, activated, with the focus where the model has it.
  void Show();
  // OnShow has run: the page waits for the user.
  bool Ready() const { return ready_; }
  void MarkReady() { ready_ = true; }

  // Brings the windows up to date with the models, without calling handlers.
  void Sync();
  // Moves the window focus to a control as the user would (the model hears
  // of it); a radio button is not clicked by getting the focus.
  void FocusControl(Control& control);

  // The window of a control; for a radio group the window of an item (its
  // checked one, or its first, when item is -1). Nullptr for painted controls.
  HWND WindowOf(const Control& control, int item = -1) const;
  HTREEITEM ItemOf(const TreeView& tree, const TreeNode& node) const;
  // Selects a node as a user's click does, so that the model hears of it;
  // a node that is selected already is clicked again.
  void ClickNode(TreeView& tree, TreeNode& node);
  int IdOf(HWND window) const;

  // A key for the page before the focused window sees it; true when used.
  bool TakeKey(const MSG& message);

 // The record of a child window (page_child.h).
  struct Child;

 private:
  class Quiet;

  static LRESULT CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ChildProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                    DWORD_PTR data);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleChild(Child& child, UINT message, WPARAM wparam, LPARAM lparam);

  // Creation (page_window.cpp).
  void CreateChildren();
  Child& AddChild(Control& control, int item);
  void CreateChildWindow(Child& child);
  // The control's hint as a tooltip over its window.
  void AddTooltip(HWND window, const std::string& hint);
  void RebuildRadioItems(RadioGroup& group);
  Child* FindChild(int id);
  Child* FindChild(HWND window);
  Control& FocusTarget(const Child& child) const;
  void FocusWindow(HWND window, bool quietly);

  // Input from the windows (page_window.cpp).
  void OnCommand(Child& child, int code);
  LRESULT OnNotify(Child& child, NMHDR& header);
  void OnSize(int width, int height);

  // Model to window (page_sync.cpp).
  void SyncChild(Child& child);
  void SyncTree(Child& child, TreeView& tree);
  void SyncFocus();
  // The buttons show which one Enter would click.
  void RefreshButtons();
  Rect PlaceOf(const Child& child) const;
  std::string PaintedState() const;

  // Painting (page_paint.cpp).
  void Paint(HDC target, const RECT& area);
  void RenderBackBuffer();
  void PaintControl(HDC dc, const Control& control);
  HBRUSH BackgroundBrush(HDC dc, HWND child);
  void DrawButton(const DRAWITEMSTRUCT& item, const Button& button);
  void DrawListLine(const DRAWITEMSTRUCT& item, const ListBox& list);
  HFONT FontOf(const Control& control) const;
  Colour TextColourOf(const Control& control) const;
  int TextHeight(const Control& control) const;
  bool LooksDefault(const Button& button) const;

  HostCore& host_;
  Page& page_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  std::vector<std::unique_ptr<Child>> children_;
  int nextId_ = 1000;
  int quiet_ = 0;                  // windows are being set: their notifications are no input
  bool ignoreFocusClicks_ = false;  // a radio button getting the focus from us is not clicked
  bool clickingNode_ = false;       // a tree's selection set by the program is no input, unless it is this
  bool painted_ = false;
  bool ready_ = false;
  Size client_;

  // The painted part of the page, drawn once and blitted.
  DibCanvas back_;
  bool backDirty_ = true;
  HBRUSH backBrush_ = nullptr;  // the back buffer as a brush, for controls that lie on it
  std::string paintedState_;
  HWND lastFocus_ = nullptr;
};

}  // namespace velmar::ui::win32
