#pragma once
// Control models: what a control shows and which handlers it calls. A page
// owns its controls as members and passes itself to their constructors, which
// registers them with the page in creation order (that is also the z-order:
// later controls lie on top of earlier ones, so a page creates its panels
// first). Geometry is in the page's client coordinates.
//
// Assigning a field never calls a handler; handlers run for what a user does
// (see ui/input.h). The one exception is RadioButton::SetChecked, which calls
// OnClick as the toolkit does, because pages rely on "check it, which selects
// it as a click does".

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout/geometry.h"
#include "ui/drawing/gradient.h"
#include "ui/drawing/picture.h"

namespace velmar::platform {
class FileSystem;
}

namespace velmar::ui {

class Page;

using Event = std::function<void()>;

enum class ControlKind {
  Label, Edit, Button, CheckBox, RadioButton, RadioGroup, ListBox, TreeView,
  Memo, ProgressBar, StatusBar, Panel, Bevel, Image, GradientFill,
};

// The edges of the page a control keeps its distance to when a sizeable page
// changes size.
namespace anchor {
constexpr unsigned Left = 1, Top = 2, Right = 4, Bottom = 8;
constexpr unsigned All = Left | Top | Right | Bottom;
}  // namespace anchor

class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& Name() const { return name_; }
  ControlKind Kind() const { return kind_; }
  Page& Owner() const { return owner_; }

  // The kind can hold the focus (edits, buttons, check and radio buttons, lists, memos).
  bool Focusable() const;
  // Focusable, visible, enabled and a tab stop: the user can move the focus here.
  bool CanFocus() const;

  void SetBounds(int left, int top, int width, int height) { Bounds = {left, top, width, height}; }

  Rect Bounds;
  bool Visible = true;
  bool Enabled = true;
  bool TabStop;       // true for focusable kinds
  int TabOrder;       // creation order unless a page sets it
  std::optional<ui::Font> Font;  // none: the page's font
  unsigned Anchors = anchor::Left | anchor::Top;
  std::string Hint;  // shown when the mouse rests on the control; empty: none

 protected:
  Control(Page& owner, ControlKind kind, std::string name);

 private:
  Page& owner_;
  ControlKind kind_;
  std::string name_;
};

enum class Alignment { Left, Centre, Right };

class Label : public Control {
 public:
  Label(Page& owner, std::string name) : Control(owner, ControlKind::Label, std::move(name)) {}
  std::string Caption;
  bool AutoSize = true;  // the host sizes it to its caption (and keeps its width with WordWrap)
  bool Transparent = false;
  bool WordWrap = false;
  Alignment Align = Alignment::Left;
  bool ShowAccelChar = true;  // "&" marks a mnemonic
};

class Edit : public Control {
 public:
  Edit(Page& owner, std::string name) : Control(owner, ControlKind::Edit, std::move(name)) {}
  std::string Text;
  bool ReadOnly = false;
  int MaxLength = 0;  // 0: no limit
  Event OnChange;     // the user changed the text
  Event OnExit;       // the focus left the edit
};

class Button : public Control {
 public:
  Button(Page& owner, std::string name) : Control(owner, ControlKind::Button, std::move(name)) {}
  std::string Caption;
  std::string Glyph;     // name of a built-in bitmap drawn beside the caption; empty: none
  bool Default = false;  // Enter clicks it
  bool Cancel = false;   // Esc clicks it
  Event OnClick;
};

class CheckBox : public Control {
 public:
  CheckBox(Page& owner, std::string name) : Control(owner, ControlKind::CheckBox, std::move(name)) {}
  std::string Caption;
  bool Checked = false;
  Event OnClick;  // after a user's click has toggled Checked
};

// Radio buttons of one page with the same Group are siblings: checking one
// unchecks the others.
class RadioButton : public Control {
 public:
  RadioButton(Page& owner, std::string name) : Control(owner, ControlKind::RadioButton, std::move(name)) {}
  std::string Caption;
  int Group = 0;
  Event OnClick;

  bool Checked() const { return checked_; }
  // Checking unchecks the siblings and, when the button was not checked
  // before, calls OnClick.
  void SetChecked(bool checked);

 private:
  bool checked_ = false;
};

class RadioGroup : public Control {
 public:
  RadioGroup(Page& owner, std::string name) : Control(owner, ControlKind::RadioGroup, std::move(name)) {}
  std::string Caption;
  std::vector<std::string> Items;  // captions, with mnemonics
  int ItemIndex = -1;
  int Columns = 1;
  Event OnClick;  // the user chose another item
};

struct ListItem {
  std::string Text;
  int64_t Data = 0;
  // Text colours of an owner-drawn line; none: the system's colours.
  std::optional<Colour> TextColour;
  std::optional<Colour> SelectedTextColour;
};

class ListBox : public Control {
 public:
  ListBox(Page& owner, std::string name) : Control(owner, ControlKind::ListBox, std::move(name)) {}
  std::vector<ListItem> Items;
  int ItemIndex = -1;
  bool OwnerDraw = false;  // lines drawn with their own colours at ItemHeight
  int ItemHeight = 16;
  // A log of long work (the unzip dialog's list): a transcript tells each run
  // of lines whose Data is TalliedLine by their number, not line by line.
  static constexpr int64_t TalliedLine = 1;
  bool Tallied = false;
  Event OnClick;     // the user selected a line
  Event OnDblClick;  // the user double-clicked a line (after OnClick)

  void Add(std::string text, int64_t data = 0) { Items.push_back({std::move(text), data, {}, {}}); }
  void Clear() { Items.clear(); ItemIndex = -1; }
  const ListItem* Selected() const;
};

struct TreeNode {
  std::string Text;
  int ImageIndex = -1;  // index into the tree view's image strip; -1: none
  int64_t Data = 0;
  bool Expanded = false;
  TreeNode* Parent = nullptr;
  std::vector<std::unique_ptr<TreeNode>> Children;

  TreeNode& Add(std::string text, int imageIndex = -1, int64_t data = 0);
};

// Sorts every level below the node by text; by default without regard to ASCII case.
void SortTreeNodes(TreeNode& node, const std::function<bool(const std::string&, const std::string&)>& less = {});

class TreeView : public Control {
 public:
  TreeView(Page& owner, std::string name) : Control(owner, ControlKind::TreeView, std::move(name)) {}
  TreeNode Root;            // holds the top-level nodes as its children; never shown
  TreeNode* Selected = nullptr;
  std::string Images;       // built-in bitmap holding the node images side by side
  Event OnChange;           // the selection changed
  Event OnClick;            // the user clicked a node (after OnChange)
  Event OnDblClick;

  TreeNode& Add(std::string text, int imageIndex = -1, int64_t data = 0) { return Root.Add(std::move(text), imageIndex, data); }
  void Clear();
  // Removes a node and its children; a selection inside it is cleared.
  void Remove(TreeNode& node);
  // Sorts every level by text; by default without regard to ASCII case.
  void Sort(const std::function<bool(const std::string&, const std::string&)>& less = {});
};

enum class ScrollBars { None, Horizontal, Vertical, Both };

class Memo : public Control {
 public:
  Memo(Page& owner, std::string name) : Control(owner, ControlKind::Memo, std::move(name)) {}
  std::vector<std::string> Lines;
  bool ReadOnly = false;
  bool WordWrap = true;
  ui::ScrollBars ScrollBars = ui::ScrollBars::None;

  // Sets the lines from a text with CR LF, LF or CR line ends.
  void SetText(std::string_view text);
};

class ProgressBar : public Control {
 public:
  ProgressBar(Page& owner, std::string name) : Control(owner, ControlKind::ProgressBar, std::move(name)) {}
  int Position = 0;
  int Min = 0;
  int Max = 100;
  bool Smooth = false;
};

// A status bar with one panel.
class StatusBar : public Control {
 public:
  StatusBar(Page& owner, std::string name) : Control(owner, ControlKind::StatusBar, std::move(name)) { Bounds.height = 19; }
  std::string Text;
};

enum class BevelCut { None, Raised, Lowered };

class Panel : public Control {
 public:
  Panel(Page& owner, std::string name) : Control(owner, ControlKind::Panel, std::move(name)) {}
  std::string Caption;
  BevelCut BevelOuter = BevelCut::Raised;
  BevelCut BevelInner = BevelCut::None;
  int BevelWidth = 1;
  std::optional<ui::Colour> Colour;  // none: the system's face colour
};

enum class BevelShape { Box, Frame, TopLine, BottomLine, LeftLine, RightLine };

class Bevel : public Control {
 public:
  Bevel(Page& owner, std::string name) : Control(owner, ControlKind::Bevel, std::move(name)) {}
  BevelShape Shape = BevelShape::Box;
  BevelCut Style = BevelCut::Lowered;
};

class Image : public Control {
 public:
  Image(Page& owner, std::string name) : Control(owner, ControlKind::Image, std::move(name)) {}
  ui::Picture Picture;
  // Drawn without the colour of its bottom-left pixel.
  bool Transparent = false;
  // The control takes the size of its picture when one is loaded.
  bool AutoSize = false;
  bool Stretch = false;
  bool Centre = false;

  // A built-in bitmap; false (and the picture unchanged) for an unknown name.
  bool LoadBuiltIn(std::string_view name);
  // A BMP or JPEG file; false (and the picture unchanged) when the file is
  // missing or its header cannot be read.
  bool LoadFile(platform::FileSystem& files, const std::string& path);
  void Clear() { Picture = {}; }

 private:
  void Take(ui::Picture picture);
};

class GradientFill : public Control {
 public:
  GradientFill(Page& owner, std::string name) : Control(owner, ControlKind::GradientFill, std::move(name)) {}
  Colour BeginColour = colours::Blue;
  Colour EndColour = colours::Black;
  FillDirection Direction = FillDirection::BottomToTop;
  int BandCount = 128;

  // The bands in the control's own coordinates.
  std::vector<GradientBand> Bands() const;
};

}  // namespace velmar::ui
