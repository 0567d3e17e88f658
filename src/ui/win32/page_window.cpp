#include "ui/win32/page_window.h"

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/layout/dpi_scale.h"
#include "ui/input.h"
#include "ui/layout/window_rules.h"
#include "ui/win32/page_child.h"

namespace velmar::ui::win32 {
namespace {

constexpr wchar_t kPageClass[] = L"VelmarPage";
constexpr UINT_PTR kSettleTimer = 1;
constexpr UINT kSettleMilliseconds = 300;

bool Painted(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
    case ControlKind::Panel:
    case ControlKind::Bevel:
    case ControlKind::Image:
    case ControlKind::GradientFill:
      return true;
    default:
      return false;
  }
}

DWORD StyleOf(const Page& page) {
  DWORD style = WS_POPUP | WS_CLIPCHILDREN;
  switch (page.Border) {
    case PageBorder::None: break;
    case PageBorder::Dialog: style |= WS_CAPTION | WS_SYSMENU; break;
    case PageBorder::Sizeable: style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX; break;
  }
  return style;
}

DWORD ExStyleOf(const Page& page) {
  DWORD style = WS_EX_CONTROLPARENT;
  if (page.MainWindow) style |= WS_EX_APPWINDOW;
  if (page.Border == PageBorder::Dialog) style |= WS_EX_DLGMODALFRAME;
  return style;
}

void RegisterPageClass(WNDPROC proc) {
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof cls;
  cls.style = CS_DBLCLKS;
  cls.lpfnWndProc = proc;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.lpszClassName = kPageClass;
  RegisterClassExW(&cls);  // fails harmlessly when it is registered already
}

bool SameRadioGroup(const Control& a, int aItem, const Control& b, int bItem) {
  if (aItem >= 0 && bItem >= 0) return &a == &b;
  auto* first = dynamic_cast<const RadioButton*>(&a);
  auto* second = dynamic_cast<const RadioButton*>(&b);
  return first && second && first->Group == second->Group;
}

// The tree node behind an item, if the model still holds it.
bool InTree(const TreeNode& node, const TreeNode* wanted) {
  for (const auto& child : node.Children)
    if (child.get() == wanted || InTree(*child, wanted)) return true;
  return false;
}

}  // namespace

std::wstring WindowText(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(size_t(length) + 1, L'\0');
  int got = GetWindowTextW(window, text.data(), length + 1);
  text.resize(size_t(std::max(got, 0)));
  return text;
}

PageWindow::PageWindow(HostCore& host, Page& page, HWND owner) : host_(host), page_(page) {
  RegisterPageClass(PageProc);
  DWORD style = StyleOf(page), exStyle = ExStyleOf(page);
  const Size shown = host_.Gdi().Scaled(page.ClientSize());
  RECT outer{0, 0, shown.width, shown.height};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  int width = outer.right - outer.left, height = outer.bottom - outer.top;
  int left = host_.Gdi().Scaled(page.Left) + outer.left, top = host_.Gdi().Scaled(page.Top) + outer.top;
  if (page.Centred) {
    left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  client_ = page.ClientSize();
  CreateWindowExW(exStyle, kPageClass, platform::Widen(page.Caption).c_str(), style, left, top, width, height, owner,
                  nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) return;
  // Mnemonics and focus marks show at all times, not only after Alt is pressed.
  SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
  CreateChildren();
  Sync();
}

PageWindow::~PageWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (backBrush_) DeleteObject(backBrush_);
}

bool PageWindow::Contains(HWND window) const { return window && (window == hwnd_ || IsChild(hwnd_, window)); }

void PageWindow::Show() {
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  SetActiveWindow(hwnd_);
  Quiet quiet(*this);
  HWND target = page_.Focused() ? WindowOf(*page_.Focused()) : nullptr;
  FocusWindow(target ? target : hwnd_, true);
  UpdateWindow(hwnd_);
}

PageWindow::Child& PageWindow::AddChild(Control& control, int item) {
  auto child = std::make_unique<Child>();
  child->model = &control;
  child->item = item;
  child->id = nextId_++;
  // A radio group's items follow the group, in item order.
  auto at = children_.end();
  if (item >= 0) {
    at = std::find_if(children_.begin(), children_.end(), [&](const auto& c) { return c->model == &control; });
    while (at != children_.end() && (*at)->model == &control) ++at;
  }
  return **children_.insert(at, std::move(child));
}

void PageWindow::CreateChildren() {
  for (Control* control : page_.Controls()) {
    if (Painted(control->Kind())) continue;
    if (auto* group = dynamic_cast<RadioGroup*>(control)) {
      AddChild(*group, -1);  // its frame is painted; its items are windows
      RebuildRadioItems(*group);
      continue;
    }
    CreateChildWindow(AddChild(*control, -1));
  }
}

void PageWindow::RebuildRadioItems(RadioGroup& group) {
  for (auto& child : children_)
    if (child->model == &group && child->item >= 0 && child->hwnd) DestroyWindow(child->hwnd);
  std::erase_if(children_, [&](const auto& c) { return c->model == &group && c->item >= 0; });
  for (int i = 0; i < int(group.Items.size()); ++i) CreateChildWindow(AddChild(group, i));
}

void PageWindow::CreateChildWindow(Child& child) {
  Control& control = *child.model;
  const wchar_t* cls = L"BUTTON";
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP;
  DWORD exStyle = 0;
  switch (control.Kind()) {
    case ControlKind::Edit:
      cls = L"EDIT";
      style |= ES_AUTOHSCROLL;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::Button:
      style |= BS_OWNERDRAW;
      break;
    case ControlKind::CheckBox:
      style |= BS_CHECKBOX;
      break;
    case ControlKind::RadioButton:
    case ControlKind::RadioGroup:
      style |= BS_RADIOBUTTON;
      break;
    case ControlKind::ListBox: {
      const auto& list = static_cast<const ListBox&>(control);
      cls = L"LISTBOX";
      style |= WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
      if (list.OwnerDraw) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    }
    case ControlKind::TreeView:
      cls = WC_TREEVIEWW;
      style |= TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::Memo: {
      const auto& memo = static_cast<const Memo&>(control);
      cls = L"EDIT";
      style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
      if (memo.ScrollBars == ScrollBars::Vertical || memo.ScrollBars == ScrollBars::Both) style |= WS_VSCROLL;
      if (memo.ScrollBars == ScrollBars::Horizontal || memo.ScrollBars == ScrollBars::Both) style |= WS_HSCROLL;
      if (!memo.WordWrap) style |= ES_AUTOHSCROLL;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    }
    case ControlKind::ProgressBar:
      cls = PROGRESS_CLASSW;
      style &= ~DWORD(WS_TABSTOP);
      if (static_cast<const ProgressBar&>(control).Smooth) style |= PBS_SMOOTH;
      break;
    case ControlKind::StatusBar:
      cls = STATUSCLASSNAMEW;
      style = (style & ~DWORD(WS_TABSTOP)) | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
      break;
    default:
      return;
  }
  // Arrow keys move within a run of radio buttons of one group; every other
  // window starts a group of its own.
  const Child* previous = nullptr;
  for (auto& other : children_) {
    if (other.get() == &child) break;
    if (other->hwnd) previous = other.get();
  }
  bool continuesGroup = previous && SameRadioGroup(*previous->model, previous->item, control, child.item);
  if (!continuesGroup) style |= WS_GROUP;

  Rect place = PlaceOf(child);
  child.hwnd = CreateWindowExW(exStyle, cls, L"", style, place.left, place.top, place.width, place.height, hwnd_,
                               reinterpret_cast<HMENU>(INT_PTR(child.id)), GetModuleHandleW(nullptr), nullptr);
  if (!child.hwnd) return;
  child.place = place;
  SetWindowSubclass(child.hwnd, ChildProc, 1, reinterpret_cast<DWORD_PTR>(&child));
  if (control.Kind() == ControlKind::StatusBar) {
    int parts[] = {-1};
    SendMessageW(child.hwnd, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));
  }
  if (!control.Hint.empty()) AddTooltip(child.hwnd, control.Hint);
}

void PageWindow::AddTooltip(HWND window, const std::string& hint) {
  // One tooltip window a page serves all its controls; it goes with the page.
  if (!tooltip_)
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  if (!tooltip_) return;
  std::wstring text = platform::Widen(hint);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = text.data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

PageWindow::Child* PageWindow::FindChild(int id) {
  for (auto& child : children_)
    if (child->id == id) return child.get();
  return nullptr;
}

PageWindow::Child* PageWindow::FindChild(HWND window) {
  if (!window) return nullptr;
  for (auto& child : children_)
    if (child->hwnd == window) return child.get();
  return nullptr;
}

int PageWindow::IdOf(HWND window) const { return GetDlgCtrlID(window); }

Control& PageWindow::FocusTarget(const Child& child) const { return *child.model; }

HWND PageWindow::WindowOf(const Control& control, int item) const {
  HWND first = nullptr;
  for (const auto& child : children_) {
    if (child->model != &control || !child->hwnd) continue;
    if (control.Kind() != ControlKind::RadioGroup) return child->hwnd;
    int wanted = item >= 0 ? item : static_cast<const RadioGroup&>(control).ItemIndex;
    if (child->item == wanted) return child->hwnd;
    if (!first) first = child->hwnd;
  }
  return item >= 0 ? nullptr : first;
}

HTREEITEM PageWindow::ItemOf(const TreeView& tree, const TreeNode& node) const {
  for (const auto& child : children_)
    if (child->model == &tree) {
      auto found = child->items.find(&node);
      return found == child->items.end() ? nullptr : found->second;
    }
  return nullptr;
}

void PageWindow::ClickNode(TreeView& tree, TreeNode& node) {
  HWND window = WindowOf(tree);
  Sync();  // the window shows the model's tree, with the node's parents open
  HTREEITEM item = ItemOf(tree, node);
  if (!window || !item) return;
  if (TreeView_GetSelection(window) == item) {
    Quiet quiet(*this);
    TreeView_SelectItem(window, nullptr);
  }
  TreeView_EnsureVisible(window, item);
  clickingNode_ = true;
  TreeView_SelectItem(window, item);
  clickingNode_ = false;
}

void PageWindow::FocusWindow(HWND window, bool quietly) {
  if (!window) return;
  std::optional<Quiet> quiet;
  if (quietly) quiet.emplace(*this);
  bool ignoring = ignoreFocusClicks_;
  ignoreFocusClicks_ = true;
  SetFocus(window);
  ignoreFocusClicks_ = ignoring;
  // A tree view given the focus without a selection may select a node by
  // itself, without telling: it shows the page's selection again.
  for (auto& child : children_)
    if (child->hwnd == window && child->model->Kind() == ControlKind::TreeView) {
      Quiet quiet(*this);
      SyncTree(*child, static_cast<TreeView&>(*child->model));
    }
}

void PageWindow::FocusControl(Control& control) {
  HWND window = WindowOf(control);
  if (!window) return;
  if (GetFocus() == window) {
    host_.Invoke([&] {
      if (auto* recorder = host_.Recorder()) recorder->Focusing(&control);
      page_.SetFocus(control);
    });
    return;
  }
  FocusWindow(window, false);
}

bool PageWindow::TakeKey(const MSG& message) {
  if (message.message == WM_SYSKEYDOWN && message.wParam != VK_F10) return false;
  Key key = Key(uint16_t(message.wParam));
  bool shift = GetKeyState(VK_SHIFT) < 0;
  Control* focused = page_.Focused();
  bool memo = focused && focused->Kind() == ControlKind::Memo;
  bool used = false;
  script::AnswerRecorder* recorder = host_.Recorder();
  // A key is recorded when the page used it; one the windows take is heard
  // through what they do.
  auto pressed = [&](const std::function<bool()>& handle) {
    host_.Invoke([&] {
      if (recorder) recorder->KeyPressing(page_, key, true);
      used = handle();
      if (recorder) recorder->KeyUsed(used);
    });
  };
  switch (RouteKey(key, shift, memo)) {
    case KeyRoute::PressKey:
      pressed([&] { return PressKey(page_, key); });
      return used;
    case KeyRoute::PreviousTabStop:
      host_.Invoke([&] {
        if (recorder) recorder->Focusing(nullptr);
        page_.SelectNext(false);
      });
      return true;
    case KeyRoute::PreviewThenWindow:
      if (!page_.KeyPreview || !page_.OnKeyDown) return false;
      pressed([&] { return page_.OnKeyDown(key); });
      return used;
  }
  return false;
}

void PageWindow::OnCommand(Child& child, int code) {
  Control& control = *child.model;
  script::AnswerRecorder* recorder = host_.Recorder();
  auto click = [&] {
    if (control.Visible && control.Enabled)
      host_.Invoke([&] {
        if (recorder) recorder->Clicking(control);
        ClickControl(control);
      });
  };
  switch (control.Kind()) {
    case ControlKind::Button:
      if (code == BN_CLICKED || code == BN_DOUBLECLICKED) click();
      break;
    case ControlKind::CheckBox:
      if (code == BN_CLICKED) click();
      break;
    case ControlKind::RadioButton:
      if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && !ignoreFocusClicks_) click();
      break;
    case ControlKind::RadioGroup:
      if (code == BN_CLICKED && !ignoreFocusClicks_ && control.Visible && control.Enabled)
        host_.Invoke([&] {
          if (recorder) recorder->Choosing(static_cast<RadioGroup&>(control), child.item);
          ChooseItem(static_cast<RadioGroup&>(control), child.item);
        });
      break;
    case ControlKind::Edit:
      if (code == EN_CHANGE) {
        std::string text = platform::Narrow(WindowText(child.hwnd));
        host_.Invoke([&] {
          auto& edit = static_cast<Edit&>(control);
          const std::string before = edit.Text;
          TypeText(edit, text);
          if (recorder && edit.Text != before) recorder->Typed(edit);
        });
      }
      break;
    case ControlKind::Memo:
      if (code == EN_CHANGE) {
        auto& memo = static_cast<Memo&>(control);
        memo.SetText(platform::Narrow(WindowText(child.hwnd)));
        child.text.reset();
      }
      break;
    case ControlKind::ListBox: {
      auto& list = static_cast<ListBox&>(control);
      if (code == LBN_SELCHANGE) {
        int index = int(SendMessageW(child.hwnd, LB_GETCURSEL, 0, 0));
        host_.Invoke([&] {
          if (recorder) recorder->Choosing(list, index);
          ChooseItem(list, index);
        });
      } else if (code == LBN_DBLCLK) {
        host_.Invoke([&] {
          if (recorder) recorder->DoubleClicking(list);
          DoubleClickSelection(list);
        });
      }
      break;
    }
    default:
      break;
  }
}

LRESULT PageWindow::OnNotify(Child& child, NMHDR& header) {
  if (child.model->Kind() != ControlKind::TreeView || quiet_) return 0;
  auto& tree = static_cast<TreeView&>(*child.model);
  script::AnswerRecorder* recorder = host_.Recorder();
  auto choose = [&](TreeNode& node) {
    host_.Invoke([&] {
      if (recorder) recorder->Choosing(tree, node);
      ChooseNode(tree, node);
    });
  };
  switch (header.code) {
    case TVN_SELCHANGEDW: {
      auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
      auto* node = reinterpret_cast<TreeNode*>(change.itemNew.lParam);
      if (!node || !InTree(tree.Root, node)) break;
      // The control selecting a node by itself (when it gets the focus) is no input.
      if (change.action == TVC_UNKNOWN && !clickingNode_) break;
      if (change.action == TVC_BYMOUSE) child.selectedByMouse = true;
      choose(*node);
      break;
    }
    case NM_CLICK:
      // A click that selected a node was heard with the selection.
      if (child.selectedByMouse) {
        child.selectedByMouse = false;
      } else if (tree.Selected) {
        choose(*tree.Selected);
      }
      break;
    case NM_DBLCLK:
      host_.Invoke([&] {
        if (recorder) recorder->DoubleClicking(tree);
        DoubleClickSelection(tree);
      });
      break;
    case TVN_ITEMEXPANDEDW: {
      auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
      auto* node = reinterpret_cast<TreeNode*>(change.itemNew.lParam);
      if (node && InTree(tree.Root, node)) node->Expanded = (change.itemNew.state & TVIS_EXPANDED) != 0;
      break;
    }
    default:
      break;
  }
  return 0;
}

void PageWindow::OnSize(int width, int height) {
  if (page_.Border != PageBorder::Sizeable || width <= 0 || height <= 0) return;
  // The page's layout stays at 96 DPI: the size the user gave, scaled back.
  Size now = ScaleFromDpi(Size{width, height}, host_.Gdi().Dpi());
  if (now == client_) return;
  for (Control* control : page_.Controls()) control->Bounds = Anchored(control->Bounds, control->Anchors, client_, now);
  client_ = now;
  page_.ClientWidth = now.width;
  page_.ClientHeight = now.height;
  Sync();
  backDirty_ = true;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT CALLBACK PageWindow::PageProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<PageWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<PageWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return self->Handle(message, wparam, lparam);
}

LRESULT PageWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd_, &paint);
      Paint(dc, paint.rcPaint);
      EndPaint(hwnd_, &paint);
      if (!painted_) {
        painted_ = true;
        PostMessageW(hwnd_, WM_PAGE_PAINTED, 0, 0);
      }
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PRINTCLIENT: {
      const Size shown = host_.Gdi().Scaled(client_);
      RECT all{0, 0, shown.width, shown.height};
      Paint(reinterpret_cast<HDC>(wparam), all);
      return 0;
    }
    case WM_PAGE_PAINTED:
      if (host_.TakesPictures())
        SetTimer(hwnd_, kSettleTimer, kSettleMilliseconds, nullptr);
      else
        host_.PageOnScreen(*this);
      return 0;
    case WM_TIMER:
      if (wparam != kSettleTimer) break;
      KillTimer(hwnd_, kSettleTimer);
      host_.PageOnScreen(*this);
      return 0;
    case WM_COMMAND:
      if (Child* child = FindChild(reinterpret_cast<HWND>(lparam)); child && !quiet_) OnCommand(*child, HIWORD(wparam));
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (Child* child = FindChild(header->hwndFrom)) return OnNotify(*child, *header);
      break;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lparam);
      Child* child = FindChild(item->hwndItem);
      if (!child) break;
      if (auto* button = dynamic_cast<Button*>(child->model)) DrawButton(*item, *button);
      if (auto* list = dynamic_cast<ListBox*>(child->model)) DrawListLine(*item, *list);
      return TRUE;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      Child* child = FindChild(int(item->CtlID));
      if (!child) break;
      if (auto* list = dynamic_cast<ListBox*>(child->model))
        item->itemHeight = UINT(std::max(host_.Gdi().Scaled(list->ItemHeight), 1));
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (HBRUSH brush = BackgroundBrush(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam)))
        return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_CLOSE:
      host_.Invoke([this] { page_.Close(); });
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) SyncFocus();
      return 0;
    case WM_SETFOCUS:
      SyncFocus();
      return 0;
    case WM_NEXTDLGCTL:
      // Arrow keys in a group of radio buttons: the user moves the focus.
      if (lparam)
        SetFocus(reinterpret_cast<HWND>(wparam));
      else
        host_.Invoke([&] { page_.SelectNext(wparam == 0); });
      return 0;
    case WM_SIZE:
      if (wparam != SIZE_MINIMIZED) OnSize(LOWORD(lparam), HIWORD(lparam));
      return 0;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
      const Size least = host_.Gdi().Scaled(page_.MinSize);
      if (least.width > 0) limits->ptMinTrackSize.x = least.width;
      if (least.height > 0) limits->ptMinTrackSize.y = least.height;
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK PageWindow::ChildProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                       DWORD_PTR data) {
  auto* child = reinterpret_cast<Child*>(data);
  auto* self = reinterpret_cast<PageWindow*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, ChildProc, 1);
    return DefSubclassProc(hwnd, message, wparam, lparam);
  }
  if (!self) return DefSubclassProc(hwnd, message, wparam, lparam);
  return self->HandleChild(*child, message, wparam, lparam);
}

LRESULT PageWindow::HandleChild(Child& child, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SETFOCUS && !quiet_) {
    // The model hears first, so that the edit left gets its OnExit before
    // anything the new control does; OnExit may take the focus back.
    host_.Invoke([&] {
      Control& target = FocusTarget(child);
      if (auto* recorder = host_.Recorder()) recorder->Focusing(&target);
      page_.SetFocus(target);
    });
    if (GetFocus() != child.hwnd) return 0;
  }
  LRESULT result = DefSubclassProc(child.hwnd, message, wparam, lparam);
  if (message == WM_SETFOCUS || message == WM_KILLFOCUS) RefreshButtons();
  return result;
}

}  // namespace velmar::ui::win32
