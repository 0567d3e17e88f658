#include "ui/input.h"

#include "base/codepage.h"
#include "ui/page.h"

namespace velmar::ui {
namespace {

void Fire(const Event& event) {
  if (event) event();
}

// At most maxLength characters (code points); 0 means no limit.
std::string CutToLength(const std::string& text, int maxLength) {
  if (maxLength <= 0) return text;
  size_t pos = 0;
  for (int count = 0; count < maxLength && pos < text.size(); ++count) NextCodePoint(text, pos);
  return text.substr(0, pos);
}

Button* FindButton(Page& page, bool Button::*flag) {
  for (Control* control : page.Controls()) {
    auto* button = dynamic_cast<Button*>(control);
    if (button && button->*flag && button->Visible && button->Enabled) return button;
  }
  return nullptr;
}

}  // namespace

bool TakesClicks(const Control& control) {
  return control.Kind() == ControlKind::Button || control.Kind() == ControlKind::CheckBox ||
         control.Kind() == ControlKind::RadioButton;
}

void ClickControl(Control& control) {
  if (auto* button = dynamic_cast<Button*>(&control)) {
    Fire(button->OnClick);
  } else if (auto* check = dynamic_cast<CheckBox*>(&control)) {
    check->Checked = !check->Checked;
    Fire(check->OnClick);
  } else if (auto* radio = dynamic_cast<RadioButton*>(&control)) {
    radio->SetChecked(true);
  }
}

void TypeText(Edit& edit, const std::string& text) {
  std::string typed = CutToLength(text, edit.MaxLength);
  if (typed == edit.Text) return;
  edit.Text = std::move(typed);
  Fire(edit.OnChange);
}

void ChooseItem(RadioGroup& group, int index) {
  if (group.ItemIndex == index) return;
  group.ItemIndex = index;
  Fire(group.OnClick);
}

void ChooseItem(ListBox& list, int index) {
  list.ItemIndex = index;
  Fire(list.OnClick);
}

void ChooseNode(TreeView& tree, TreeNode& node) {
  if (tree.Selected != &node) {
    tree.Selected = &node;
    Fire(tree.OnChange);
  }
  Fire(tree.OnClick);
}

void DoubleClickSelection(Control& control) {
  if (auto* list = dynamic_cast<ListBox*>(&control)) Fire(list->OnDblClick);
  if (auto* tree = dynamic_cast<TreeView*>(&control)) Fire(tree->OnDblClick);
}

bool PressKey(Page& page, Key key) {
  if (page.KeyPreview && page.OnKeyDown && page.OnKeyDown(key)) return true;
  if (page.Closing()) return true;
  Control* focused = page.Focused();
  bool memoFocused = focused && focused->Kind() == ControlKind::Memo;
  switch (key) {
    case Key::Enter:
      if (memoFocused) return true;
      if (focused && focused->Kind() == ControlKind::Button && focused->CanFocus()) {
        ClickControl(*focused);
        return true;
      }
      if (Button* button = FindButton(page, &Button::Default)) {
        ClickControl(*button);
        return true;
      }
      return false;
    case Key::Escape:
      if (memoFocused) return true;
      if (Button* button = FindButton(page, &Button::Cancel)) {
        ClickControl(*button);
        return true;
      }
      return false;
    case Key::Tab:
      page.SelectNext();
      return true;
    case Key::Space:
      if (focused && TakesClicks(*focused) && focused->CanFocus()) {
        ClickControl(*focused);
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace velmar::ui
