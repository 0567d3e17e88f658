#pragma once
// What the toolkit does when a user acts on a page, in the toolkit's order of
// events. Hosts call these inside Host::Guard, for controls the user can reach
// (visible and enabled); moving the focus first is the host's part, through
// Page::SetFocus, so that an edit's OnExit comes before the click that took
// the focus away.

#include <string>

#include "ui/controls.h"
#include "ui/keys.h"

namespace velmar::ui {

class Page;

// The user clicks a control that takes clicks: a button calls OnClick; a check
// box toggles, then calls OnClick; a radio button is checked (OnClick only when
// it was not checked before).
void ClickControl(Control& control);
bool TakesClicks(const Control& control);

// The user replaces the edit's text (cut to MaxLength); OnChange when it differs.
void TypeText(Edit& edit, const std::string& text);

// The user picks an item: a radio group calls OnClick when the item changes;
// a list box selects the line and calls OnClick; a tree view calls OnChange
// when the node changes, then OnClick.
void ChooseItem(RadioGroup& group, int index);
void ChooseItem(ListBox& list, int index);
void ChooseNode(TreeView& tree, TreeNode& node);
// A double click on the selected line or node: OnDblClick.
void DoubleClickSelection(Control& control);

// A key on the page. With KeyPreview the page's OnKeyDown sees it first and
// may use it. Otherwise: Enter clicks the focused button, or else the default
// button; Esc clicks the cancel button; a focused memo takes Enter and Esc
// itself. Tab moves the focus to the next control; Space clicks the focused
// button, check box or radio button. Returns whether anything used the key.
bool PressKey(Page& page, Key key);

}  // namespace velmar::ui
