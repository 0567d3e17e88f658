#include "ui/layout/window_rules.h"

#include <algorithm>

#include "ui/controls.h"

namespace velmar::ui {
namespace {

// One axis of Anchored: start and length of the control, the page's length
// before and after, and whether the near and far edges are anchored.
void AnchorAxis(int& start, int& length, int before, int after, bool nearEdge, bool farEdge) {
  int grown = after - before;
  if (nearEdge && farEdge) {
    length = std::max(0, length + grown);
  } else if (farEdge) {
    start += grown;
  } else if (!nearEdge && before > 0) {
    // Neither edge: the centre keeps its share of the page.
    long long centre2 = 2LL * start + length;
    start = int((centre2 * after / before - length) / 2);
  }
}

}  // namespace

int FontHeightForPoints(int points, int dpi) {
  // MulDiv(points, dpi, 72), rounded half away from zero.
  long long product = 1LL * points * dpi;
  long long rounded = product >= 0 ? (product + 36) / 72 : (product - 36) / 72;
  return -int(rounded);
}

Rect PlaceOnForeground(Rect dialog, Rect foreground) {
  dialog.left = foreground.left + (foreground.width - dialog.width) / 2;
  dialog.top = foreground.top + foreground.height / 4;
  return dialog;
}

Rect Anchored(Rect bounds, unsigned anchors, Size before, Size after) {
  AnchorAxis(bounds.left, bounds.width, before.width, after.width, anchors & anchor::Left, anchors & anchor::Right);
  AnchorAxis(bounds.top, bounds.height, before.height, after.height, anchors & anchor::Top, anchors & anchor::Bottom);
  return bounds;
}

std::vector<Rect> RadioGroupItems(Size group, int itemCount, int columns, int textHeight) {
  std::vector<Rect> items;
  if (itemCount <= 0) return items;
  columns = std::clamp(columns, 1, itemCount);
  int perColumn = (itemCount + columns - 1) / columns;
  int columnWidth = std::max(0, (group.width - 10) / columns);
  int room = std::max(0, group.height - textHeight - 5);
  int rowHeight = room / perColumn;
  int top = textHeight + 1 + (room % perColumn) / 2;
  for (int i = 0; i < itemCount; ++i)
    items.push_back({(i / perColumn) * columnWidth + 8, (i % perColumn) * rowHeight + top, columnWidth, rowHeight});
  return items;
}

GlyphLayout LayOutGlyphButton(Size button, Size glyph, Size caption, int spacing) {
  if (glyph.width <= 0 || caption.width <= 0) spacing = 0;
  int total = glyph.width + spacing + caption.width;
  int left = (button.width - total) / 2;
  GlyphLayout layout;
  layout.glyph = {left, (button.height - glyph.height) / 2, glyph.width, glyph.height};
  layout.caption = {left + glyph.width + spacing, (button.height - caption.height) / 2, caption.width, caption.height};
  return layout;
}

KeyRoute RouteKey(Key key, bool shift, bool memoFocused) {
  if (key == Key::Tab) return shift ? KeyRoute::PreviousTabStop : KeyRoute::PressKey;
  if (key == Key::Enter || key == Key::Escape) return memoFocused ? KeyRoute::PreviewThenWindow : KeyRoute::PressKey;
  return KeyRoute::PreviewThenWindow;
}

StandardBox StandardBoxFor(Buttons buttons) {
  auto order = buttons.InOrder();
  using A = Answer;
  if (order == std::vector{A::Ok}) return StandardBox::Ok;
  if (order == std::vector{A::Ok, A::Cancel}) return StandardBox::OkCancel;
  if (order == std::vector{A::Yes, A::No}) return StandardBox::YesNo;
  if (order == std::vector{A::Yes, A::No, A::Cancel}) return StandardBox::YesNoCancel;
  return StandardBox::Custom;
}

}  // namespace velmar::ui
