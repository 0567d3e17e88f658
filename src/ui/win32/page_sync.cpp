// Model to window: Sync sets in every child window what its model shows now
// and has changed since, without letting the windows' notifications count as
// input.

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/layout/window_rules.h"
#include "ui/win32/page_child.h"

namespace velmar::ui::win32 {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  return text;
}

// The tree's nodes with their identity, text and image; not whether they are
// open, which the user changes in the window.
void Shape(const TreeNode& node, std::string& out) {
  for (const auto& child : node.Children) {
    out += std::to_string(reinterpret_cast<uintptr_t>(child.get())) + ":" + std::to_string(child->ImageIndex) + ":" +
           child->Text + "(";
    Shape(*child, out);
    out += ")";
  }
}

void Insert(HWND tree, HTREEITEM parent, const TreeNode& node, std::map<const TreeNode*, HTREEITEM>& items) {
  for (const auto& child : node.Children) {
    std::wstring text = platform::Widen(child->Text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = text.data();
    insert.item.lParam = reinterpret_cast<LPARAM>(child.get());
    insert.item.iImage = insert.item.iSelectedImage = child->ImageIndex >= 0 ? child->ImageIndex : I_IMAGENONE;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    items[child.get()] = item;
    Insert(tree, item, *child, items);
  }
}

void Expand(HWND tree, const TreeNode& node, const std::map<const TreeNode*, HTREEITEM>& items) {
  for (const auto& child : node.Children) {
    auto found = items.find(child.get());
    if (found != items.end() && !child->Children.empty()) {
      bool open = (TreeView_GetItemState(tree, found->second, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
      if (open != child->Expanded) TreeView_Expand(tree, found->second, child->Expanded ? TVE_EXPAND : TVE_COLLAPSE);
    }
    Expand(tree, *child, items);
  }
}

void SetCaption(PageWindow::Child& child, const std::string& caption) {
  if (child.text == caption) return;
  SetWindowTextW(child.hwnd, platform::Widen(caption).c_str());
  child.text = caption;
}

void SetChecked(PageWindow::Child& child, bool checked) {
  if (child.checked == checked) return;
  SendMessageW(child.hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  child.checked = checked;
}

// Edits: the user changes the window's text, so it is compared as it is now.
void SetEditText(HWND window, const std::string& text) {
  std::wstring wide = platform::Widen(text);
  if (WindowText(window) != wide) SetWindowTextW(window, wide.c_str());
}

void SetReadOnly(PageWindow::Child& child, bool readOnly) {
  if (child.readOnly == readOnly) return;
  SendMessageW(child.hwnd, EM_SETREADONLY, readOnly, 0);
  child.readOnly = readOnly;
}

template <class T>
void Append(std::string& out, const T& value) {
  if constexpr (std::is_same_v<T, std::string>)
    out += value;
  else
    out += std::to_string(value);
  out += '|';
}

void AppendColour(std::string& out, Colour colour) { Append(out, (colour.red << 16) | (colour.green << 8) | colour.blue); }

void AppendFont(std::string& out, const std::optional<Font>& font) {
  if (!font) return Append(out, std::string("-"));
  Append(out, font->name);
  Append(out, font->size);
  Append(out, int(font->bold));
  AppendColour(out, font->colour);
}

}  // namespace

Rect PageWindow::PlaceOf(const Child& child) const {
  const Rect bounds = host_.Gdi().Scaled(child.model->Bounds);
  if (child.item < 0) return bounds;
  const auto& group = static_cast<const RadioGroup&>(*child.model);
  auto items = RadioGroupItems({bounds.width, bounds.height}, int(group.Items.size()), group.Columns,
                               TextHeight(group));
  if (child.item >= int(items.size())) return {};
  Rect place = items[size_t(child.item)];
  place.left += bounds.left;
  place.top += bounds.top;
  return place;
}

void PageWindow::Sync() {
  if (!hwnd_) return;
  Quiet quiet(*this);
  for (Control* control : page_.Controls()) {
    auto* group = dynamic_cast<RadioGroup*>(control);
    if (!group) continue;
    int shown = 0;
    for (auto& child : children_) shown += child->model == group && child->item >= 0;
    if (shown != int(group->Items.size())) RebuildRadioItems(*group);
  }
  for (auto& child : children_) SyncChild(*child);

  std::string state = PaintedState();
  if (state != paintedState_) {
    paintedState_ = std::move(state);
    backDirty_ = true;
    InvalidateRect(hwnd_, nullptr, FALSE);
    // Check boxes and radio buttons show the page through their background.
    for (auto& child : children_)
      if (child->hwnd && (child->model->Kind() == ControlKind::CheckBox ||
                          child->model->Kind() == ControlKind::RadioButton ||
                          child->model->Kind() == ControlKind::RadioGroup))
        InvalidateRect(child->hwnd, nullptr, TRUE);
  }
  SyncFocus();
  RefreshButtons();
}

void PageWindow::SyncChild(Child& child) {
  if (!child.hwnd) return;
  Control& control = *child.model;
  Rect place = PlaceOf(child);
  if (child.place != place) {
    SetWindowPos(child.hwnd, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
    child.place = place;
  }
  if (HFONT font = FontOf(control); child.font != font) {
    SendMessageW(child.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    child.font = font;
  }
  if (child.enabled != control.Enabled) {
    EnableWindow(child.hwnd, control.Enabled);
    child.enabled = control.Enabled;
  }

  switch (control.Kind()) {
    case ControlKind::Edit: {
      const auto& edit = static_cast<const Edit&>(control);
      SetEditText(child.hwnd, edit.Text);
      SetReadOnly(child, edit.ReadOnly);
      if (child.limit != edit.MaxLength) {
        SendMessageW(child.hwnd, EM_LIMITTEXT, WPARAM(std::max(edit.MaxLength, 0)), 0);
        child.limit = edit.MaxLength;
      }
      break;
    }
    case ControlKind::Memo: {
      const auto& memo = static_cast<const Memo&>(control);
      std::string text = Joined(memo.Lines);
      if (child.text != text) {
        SetEditText(child.hwnd, text);
        child.text = text;
      }
      SetReadOnly(child, memo.ReadOnly);
      break;
    }
    case ControlKind::Button: {
      const auto& button = static_cast<const Button&>(control);
      SetCaption(child, button.Caption);
      std::string look = button.Glyph + "|" + std::to_string(button.Default) + std::to_string(button.Enabled);
      if (child.look != look) {
        child.look = look;
        InvalidateRect(child.hwnd, nullptr, FALSE);
      }
      break;
    }
    case ControlKind::CheckBox: {
      const auto& check = static_cast<const CheckBox&>(control);
      SetCaption(child, check.Caption);
      SetChecked(child, check.Checked);
      break;
    }
    case ControlKind::RadioButton: {
      const auto& radio = static_cast<const RadioButton&>(control);
      SetCaption(child, radio.Caption);
      SetChecked(child, radio.Checked());
      break;
    }
    case ControlKind::RadioGroup: {
      const auto& group = static_cast<const RadioGroup&>(control);
      if (child.item < int(group.Items.size())) SetCaption(child, group.Items[size_t(child.item)]);
      SetChecked(child, group.ItemIndex == child.item);
      break;
    }
    case ControlKind::ListBox: {
      const auto& list = static_cast<const ListBox&>(control);
      std::string look;
      for (const auto& item : list.Items) {
        if (item.TextColour) AppendColour(look, *item.TextColour);
        if (item.SelectedTextColour) AppendColour(look, *item.SelectedTextColour);
        look += ';';
      }
      if (child.itemHeight != list.ItemHeight && list.OwnerDraw) {
        SendMessageW(child.hwnd, LB_SETITEMHEIGHT, 0, std::max(host_.Gdi().Scaled(list.ItemHeight), 1));
        child.itemHeight = list.ItemHeight;
      }
      // A list that grew at its end (a log of long work) gets only its new
      // lines; any other change fills the window's list anew.
      std::vector<std::string>& shown = child.lines ? *child.lines : child.lines.emplace();
      const bool grew = list.Items.size() >= shown.size() &&
                        std::equal(shown.begin(), shown.end(), list.Items.begin(),
                                   [](const std::string& line, const ListItem& item) { return line == item.Text; });
      if (!grew || shown.empty()) {
        SendMessageW(child.hwnd, LB_RESETCONTENT, 0, 0);
        shown.clear();
      }
      if (shown.size() < list.Items.size()) {
        // One redraw for the lines of this round, not one for each line.
        SendMessageW(child.hwnd, WM_SETREDRAW, FALSE, 0);
        for (size_t i = shown.size(); i < list.Items.size(); ++i) {
          SendMessageW(child.hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::Widen(list.Items[i].Text).c_str()));
          shown.push_back(list.Items[i].Text);
        }
        if (list.Tallied) SendMessageW(child.hwnd, LB_SETTOPINDEX, WPARAM(list.Items.size() - 1), 0);
        SendMessageW(child.hwnd, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(child.hwnd, nullptr, TRUE);
      }
      if (child.look != look) {
        child.look = look;
        InvalidateRect(child.hwnd, nullptr, FALSE);
      }
      int index = list.ItemIndex >= 0 && list.ItemIndex < int(list.Items.size()) ? list.ItemIndex : -1;
      if (int(SendMessageW(child.hwnd, LB_GETCURSEL, 0, 0)) != index) SendMessageW(child.hwnd, LB_SETCURSEL, WPARAM(index), 0);
      break;
    }
    case ControlKind::TreeView:
      SyncTree(child, static_cast<TreeView&>(control));
      break;
    case ControlKind::ProgressBar: {
      const auto& bar = static_cast<const ProgressBar&>(control);
      if (child.range != std::make_pair(bar.Min, bar.Max)) {
        SendMessageW(child.hwnd, PBM_SETRANGE32, WPARAM(bar.Min), LPARAM(bar.Max));
        child.range = std::make_pair(bar.Min, bar.Max);
        child.position.reset();
      }
      if (child.position != bar.Position) {
        SendMessageW(child.hwnd, PBM_SETPOS, WPARAM(bar.Position), 0);
        child.position = bar.Position;
      }
      break;
    }
    case ControlKind::StatusBar: {
      const auto& bar = static_cast<const StatusBar&>(control);
      if (child.text != bar.Text) {
        SendMessageW(child.hwnd, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(platform::Widen(bar.Text).c_str()));
        child.text = bar.Text;
      }
      break;
    }
    default:
      break;
  }

  if (child.visible != control.Visible) {
    ShowWindow(child.hwnd, control.Visible ? SW_SHOWNA : SW_HIDE);
    child.visible = control.Visible;
  }
}

void PageWindow::SyncTree(Child& child, TreeView& tree) {
  if (child.images != tree.Images) {
    HIMAGELIST list = tree.Images.empty() ? nullptr : host_.Gdi().ImageStrip(tree.Images);
    TreeView_SetImageList(child.hwnd, list, TVSIL_NORMAL);
    child.images = tree.Images;
  }
  std::string shape;
  Shape(tree.Root, shape);
  if (child.shape != shape) {
    TreeView_DeleteAllItems(child.hwnd);
    child.items.clear();
    Insert(child.hwnd, TVI_ROOT, tree.Root, child.items);
    child.shape = std::move(shape);
  }
  Expand(child.hwnd, tree.Root, child.items);
  HTREEITEM wanted = nullptr;
  if (tree.Selected) {
    auto found = child.items.find(tree.Selected);
    if (found != child.items.end()) wanted = found->second;
  }
  if (TreeView_GetSelection(child.hwnd) != wanted) TreeView_SelectItem(child.hwnd, wanted);
}

void PageWindow::SyncFocus() {
  if (!hwnd_ || GetActiveWindow() != hwnd_ || !IsWindowEnabled(hwnd_)) return;
  HWND focus = GetFocus();
  Control* wanted = page_.Focused();
  HWND target = wanted ? WindowOf(*wanted) : nullptr;
  if (!target || !IsWindowVisible(target) || !IsWindowEnabled(target)) target = hwnd_;
  if (focus == target) return;
  // A radio group has the focus on any of its items.
  if (wanted && wanted->Kind() == ControlKind::RadioGroup)
    if (Child* child = FindChild(focus); child && child->model == wanted) return;
  FocusWindow(target, true);
}

void PageWindow::RefreshButtons() {
  HWND focus = GetFocus();
  if (focus == lastFocus_) return;
  lastFocus_ = focus;
  for (auto& child : children_)
    if (child->hwnd && child->model->Kind() == ControlKind::Button) InvalidateRect(child->hwnd, nullptr, FALSE);
}

std::string PageWindow::PaintedState() const {
  std::string out;
  Append(out, client_.width);
  Append(out, client_.height);
  AppendColour(out, page_.Colour.value_or(Colour{1, 2, 3}));
  AppendFont(out, page_.Font);
  for (const Control* control : page_.Controls()) {
    Append(out, int(control->Kind()));
    Append(out, int(control->Visible));
    Append(out, int(control->Enabled));
    const Rect& r = control->Bounds;
    Append(out, r.left);
    Append(out, r.top);
    Append(out, r.width);
    Append(out, r.height);
    AppendFont(out, control->Font);
    if (auto* label = dynamic_cast<const Label*>(control)) {
      Append(out, label->Caption);
      Append(out, (label->AutoSize << 4) | (label->Transparent << 3) | (label->WordWrap << 2) |
                      (label->ShowAccelChar << 1));
      Append(out, int(label->Align));
    } else if (auto* panel = dynamic_cast<const Panel*>(control)) {
      Append(out, panel->Caption);
      Append(out, int(panel->BevelOuter) * 16 + int(panel->BevelInner));
      Append(out, panel->BevelWidth);
      AppendColour(out, panel->Colour.value_or(Colour{1, 2, 3}));
    } else if (auto* bevel = dynamic_cast<const Bevel*>(control)) {
      Append(out, int(bevel->Shape) * 16 + int(bevel->Style));
    } else if (auto* image = dynamic_cast<const Image*>(control)) {
      Append(out, int(image->Picture.Source));
      Append(out, image->Picture.Name);
      Append(out, (image->Transparent << 2) | (image->Stretch << 1) | int(image->Centre));
    } else if (auto* fill = dynamic_cast<const GradientFill*>(control)) {
      AppendColour(out, fill->BeginColour);
      AppendColour(out, fill->EndColour);
      Append(out, int(fill->Direction));
      Append(out, fill->BandCount);
    } else if (auto* group = dynamic_cast<const RadioGroup*>(control)) {
      Append(out, group->Caption);
    }
  }
  return out;
}

}  // namespace velmar::ui::win32
