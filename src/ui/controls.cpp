#include "ui/controls.h"

#include <algorithm>

#include "base/text_case.h"
#include "ui/drawing/bitmaps.h"
#include "ui/caption.h"
#include "ui/page.h"

namespace velmar::ui {
namespace {

bool FocusableKind(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit:
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::RadioGroup:
    case ControlKind::ListBox:
    case ControlKind::TreeView:
    case ControlKind::Memo:
      return true;
    default:
      return false;
  }
}

bool Contains(const TreeNode& node, const TreeNode* wanted) {
  if (&node == wanted) return true;
  for (const auto& child : node.Children)
    if (Contains(*child, wanted)) return true;
  return false;
}

void SortLevel(TreeNode& node, const std::function<bool(const std::string&, const std::string&)>& less) {
  std::stable_sort(node.Children.begin(), node.Children.end(),
                   [&](const auto& a, const auto& b) { return less(a->Text, b->Text); });
  for (auto& child : node.Children) SortLevel(*child, less);
}

}  // namespace

Control::Control(Page& owner, ControlKind kind, std::string name)
    : TabStop(FocusableKind(kind)), TabOrder(int(owner.Controls().size())), owner_(owner), kind_(kind),
      name_(std::move(name)) {
  owner.Register(*this);
}

bool Control::Focusable() const { return FocusableKind(kind_); }

bool Control::CanFocus() const { return Focusable() && TabStop && Visible && Enabled; }

void RadioButton::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  if (!checked) return;
  for (Control* control : Owner().Controls()) {
    auto* sibling = dynamic_cast<RadioButton*>(control);
    if (sibling && sibling != this && sibling->Group == Group) sibling->checked_ = false;
  }
  if (OnClick) OnClick();
}

const ListItem* ListBox::Selected() const {
  if (ItemIndex < 0 || ItemIndex >= int(Items.size())) return nullptr;
  return &Items[size_t(ItemIndex)];
}

TreeNode& TreeNode::Add(std::string text, int imageIndex, int64_t data) {
  auto node = std::make_unique<TreeNode>();
  node->Text = std::move(text);
  node->ImageIndex = imageIndex;
  node->Data = data;
  node->Parent = this;
  Children.push_back(std::move(node));
  return *Children.back();
}

void TreeView::Clear() {
  Root.Children.clear();
  Selected = nullptr;
}

void TreeView::Remove(TreeNode& node) {
  if (Contains(node, Selected)) Selected = nullptr;
  TreeNode* parent = node.Parent;
  if (!parent) return;
  auto& siblings = parent->Children;
  siblings.erase(std::remove_if(siblings.begin(), siblings.end(), [&](const auto& n) { return n.get() == &node; }),
                 siblings.end());
}

void SortTreeNodes(TreeNode& node, const std::function<bool(const std::string&, const std::string&)>& less) {
  if (less)
    SortLevel(node, less);
  else
    SortLevel(node, [](const std::string& a, const std::string& b) { return AsciiTextLess(a, b); });
}

void TreeView::Sort(const std::function<bool(const std::string&, const std::string&)>& less) { SortTreeNodes(Root, less); }

void Memo::SetText(std::string_view text) {
  Lines.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      Lines.emplace_back(text.substr(start));
      break;
    }
    Lines.emplace_back(text.substr(start, end - start));
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
}

bool Image::LoadBuiltIn(std::string_view name) {
  auto size = BuiltInBitmapSize(name);
  if (!size) return false;
  Take({PictureSource::BuiltIn, std::string(name), *size});
  return true;
}

bool Image::LoadFile(platform::FileSystem& files, const std::string& path) {
  auto info = ReadPictureFileInfo(files, path);
  if (!info) return false;
  Take({PictureSource::File, path, info->size});
  return true;
}

void Image::Take(ui::Picture picture) {
  Picture = std::move(picture);
  if (AutoSize) {
    Bounds.width = Picture.Dimensions.width;
    Bounds.height = Picture.Dimensions.height;
  }
}

std::vector<GradientBand> GradientFill::Bands() const {
  return GradientBands({Bounds.width, Bounds.height}, BeginColour, EndColour, Direction, BandCount);
}

}  // namespace velmar::ui
