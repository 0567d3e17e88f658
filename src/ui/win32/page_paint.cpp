// Painting: the page's graphic controls in z-order into a back buffer, the
// bitmap buttons (glyph left of the caption), owner-drawn list lines, and the
// backgrounds of controls that lie on the painted page.

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/drawing/raster.h"
#include "ui/layout/window_rules.h"
#include "ui/win32/page_child.h"

namespace velmar::ui::win32 {
namespace {

COLORREF Sys(int index) { return GetSysColor(index); }

RECT ToRect(const Rect& r) { return {r.left, r.top, r.right(), r.bottom()}; }

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Line(HDC dc, COLORREF colour, int x0, int y0, int x1, int y1) {
  SetDCPenColor(dc, colour);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DC_PEN));
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
  SelectObject(dc, old);
}

// Top and left edges in one colour, bottom and right in the other, width times
// inwards; the rectangle shrinks by what was drawn.
void Frame3D(HDC dc, RECT& r, COLORREF topLeft, COLORREF bottomRight, int width) {
  for (int i = 0; i < width; ++i) {
    Fill(dc, {r.left, r.top, r.right, r.top + 1}, topLeft);
    Fill(dc, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
    Fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    Fill(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    InflateRect(&r, -1, -1);
  }
}

void Bevel3D(HDC dc, RECT& r, BevelCut cut, int width) {
  if (cut == BevelCut::None) return;
  COLORREF light = Sys(COLOR_BTNHIGHLIGHT), dark = Sys(COLOR_BTNSHADOW);
  Frame3D(dc, r, cut == BevelCut::Raised ? light : dark, cut == BevelCut::Raised ? dark : light, width);
}

// The two lines of a bevel rectangle, as the toolkit draws them.
void BevelRect(HDC dc, const RECT& r, COLORREF first, COLORREF second) {
  Line(dc, first, r.left, r.bottom, r.left, r.top);
  Line(dc, first, r.left, r.top, r.right, r.top);
  Line(dc, second, r.right, r.top, r.right, r.bottom);
  Line(dc, second, r.right, r.bottom, r.left - 1, r.bottom);
}

void DrawBevel(HDC dc, const Bevel& bevel, const Rect& b) {
  COLORREF first = Sys(COLOR_BTNSHADOW), second = Sys(COLOR_BTNHIGHLIGHT);
  if (bevel.Style == BevelCut::Raised) std::swap(first, second);
  int l = b.left, t = b.top, w = b.width, h = b.height;
  switch (bevel.Shape) {
    case BevelShape::Box:
      BevelRect(dc, {l, t, l + w - 1, t + h - 1}, first, second);
      break;
    case BevelShape::Frame:
      BevelRect(dc, {l + 1, t + 1, l + w - 1, t + h - 1}, second, second);
      BevelRect(dc, {l, t, l + w - 2, t + h - 2}, first, first);
      break;
    case BevelShape::TopLine:
      Line(dc, first, l, t, l + w, t);
      Line(dc, second, l, t + 1, l + w, t + 1);
      break;
    case BevelShape::BottomLine:
      Line(dc, first, l, t + h - 2, l + w, t + h - 2);
      Line(dc, second, l, t + h - 1, l + w, t + h - 1);
      break;
    case BevelShape::LeftLine:
      Line(dc, first, l, t, l, t + h);
      Line(dc, second, l + 1, t, l + 1, t + h);
      break;
    case BevelShape::RightLine:
      Line(dc, first, l + w - 2, t, l + w - 2, t + h);
      Line(dc, second, l + w - 1, t, l + w - 1, t + h);
      break;
  }
}

// Text as a disabled control shows it: engraved in the shadow colour.
void DrawTextAs(HDC dc, const std::wstring& text, RECT r, UINT format, bool enabled, COLORREF colour) {
  SetBkMode(dc, TRANSPARENT);
  if (enabled) {
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), -1, &r, format);
    return;
  }
  OffsetRect(&r, 1, 1);
  SetTextColor(dc, Sys(COLOR_BTNHIGHLIGHT));
  DrawTextW(dc, text.c_str(), -1, &r, format);
  OffsetRect(&r, -1, -1);
  SetTextColor(dc, Sys(COLOR_BTNSHADOW));
  DrawTextW(dc, text.c_str(), -1, &r, format);
}

Size TextExtent(HDC dc, const std::wstring& text, UINT format, int wrapWidth) {
  RECT r{0, 0, std::max(wrapWidth, 1), 0};
  DrawTextW(dc, text.c_str(), -1, &r, format | DT_CALCRECT);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

HFONT PageWindow::FontOf(const Control& control) const {
  return host_.Gdi().Font(control.Font ? *control.Font : page_.Font);
}

Colour PageWindow::TextColourOf(const Control& control) const {
  return (control.Font ? *control.Font : page_.Font).colour;
}

int PageWindow::TextHeight(const Control& control) const {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, FontOf(control));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

void PageWindow::RenderBackBuffer() {
  const Size shown = host_.Gdi().Scaled(client_);
  if (!backDirty_ && back_.Dimensions() == shown) return;
  if (!back_.Resize(shown)) return;
  HDC dc = back_.Dc();
  Fill(dc, {0, 0, shown.width, shown.height}, page_.Colour ? ToColorRef(*page_.Colour) : Sys(COLOR_BTNFACE));
  for (const Control* control : page_.Controls())
    if (control->Visible) PaintControl(dc, *control);
  GdiFlush();
  if (backBrush_) DeleteObject(backBrush_);
  backBrush_ = CreatePatternBrush(back_.Bitmap());
  backDirty_ = false;
}

void PageWindow::Paint(HDC target, const RECT& area) {
  RenderBackBuffer();
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, back_.Dc(), area.left, area.top,
         SRCCOPY);
}

void PageWindow::PaintControl(HDC dc, const Control& control) {
  GdiCache& gdi = host_.Gdi();
  const Rect b = gdi.Scaled(control.Bounds);
  switch (control.Kind()) {
    case ControlKind::GradientFill: {
      const auto& fill = static_cast<const GradientFill&>(control);
      const Rect& at = control.Bounds;
      for (const auto& band : fill.Bands()) {
        Rect r{at.left + band.rect.left, at.top + band.rect.top, band.rect.width, band.rect.height};
        Fill(dc, ToRect(gdi.Scaled(r)), ToColorRef(band.colour));
      }
      break;
    }
    case ControlKind::Panel: {
      const auto& panel = static_cast<const Panel&>(control);
      RECT r = ToRect(b);
      Fill(dc, r, panel.Colour ? ToColorRef(*panel.Colour) : Sys(COLOR_BTNFACE));
      Bevel3D(dc, r, panel.BevelOuter, gdi.Scaled(panel.BevelWidth));
      Bevel3D(dc, r, panel.BevelInner, gdi.Scaled(panel.BevelWidth));
      if (!panel.Caption.empty()) {
        HGDIOBJ old = SelectObject(dc, FontOf(panel));
        DrawTextAs(dc, platform::Widen(panel.Caption), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, panel.Enabled,
                   ToColorRef(TextColourOf(panel)));
        SelectObject(dc, old);
      }
      break;
    }
    case ControlKind::Bevel:
      DrawBevel(dc, static_cast<const Bevel&>(control), b);
      break;
    case ControlKind::Image: {
      const auto& image = static_cast<const Image&>(control);
      const velmar::Picture* picture = gdi.Picture(image.Picture);
      if (!picture) break;
      std::optional<Colour> transparent;
      if (image.Transparent) transparent = BottomLeftColour(*picture);
      Rect dest = b;
      if (!image.Stretch) {
        // The picture as large on this screen as on one of 96 DPI.
        const Size size = gdi.Scaled(Size{picture->width, picture->height});
        dest.width = size.width;
        dest.height = size.height;
        if (image.Centre) {
          dest.left = b.left + (b.width - size.width) / 2;
          dest.top = b.top + (b.height - size.height) / 2;
        }
      }
      picture = gdi.Sized(*picture, {dest.width, dest.height}, transparent);
      DrawPicture(back_.Pixels(), *picture, dest, transparent);
      break;
    }
    case ControlKind::Label: {
      const auto& label = static_cast<const Label&>(control);
      std::wstring text = platform::Widen(label.Caption);
      UINT format = label.WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
      if (!label.ShowAccelChar) format |= DT_NOPREFIX;
      if (label.Align == Alignment::Centre) format |= DT_CENTER;
      if (label.Align == Alignment::Right) format |= DT_RIGHT;
      HGDIOBJ old = SelectObject(dc, FontOf(label));
      RECT r = ToRect(b);
      if (label.AutoSize) {
        Size extent = TextExtent(dc, text, format, label.WordWrap ? b.width : 0);
        r.right = r.left + (label.WordWrap ? b.width : extent.width);
        r.bottom = r.top + extent.height;
      }
      DrawTextAs(dc, text, r, format, label.Enabled, ToColorRef(TextColourOf(label)));
      SelectObject(dc, old);
      break;
    }
    case ControlKind::RadioGroup: {
      const auto& group = static_cast<const RadioGroup&>(control);
      HGDIOBJ old = SelectObject(dc, FontOf(group));
      std::wstring caption = platform::Widen(group.Caption);
      Size extent = TextExtent(dc, caption, DT_SINGLELINE, 0);
      RECT frame{b.left, b.top + extent.height / 2, b.right(), b.bottom()};
      const int inset = gdi.Scaled(8);
      RECT captionArea{b.left + inset, b.top, b.left + inset + extent.width + gdi.Scaled(4), b.top + extent.height};
      int saved = SaveDC(dc);
      if (!caption.empty()) ExcludeClipRect(dc, captionArea.left, captionArea.top, captionArea.right, captionArea.bottom);
      DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
      RestoreDC(dc, saved);
      RECT text{captionArea.left + gdi.Scaled(2), captionArea.top, captionArea.right, captionArea.bottom};
      DrawTextAs(dc, caption, text, DT_SINGLELINE, group.Enabled, ToColorRef(TextColourOf(group)));
      SelectObject(dc, old);
      break;
    }
    default:
      break;
  }
}

HBRUSH PageWindow::BackgroundBrush(HDC dc, HWND window) {
  Child* child = FindChild(window);
  if (!child) return nullptr;
  const Control& control = *child->model;
  switch (control.Kind()) {
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::RadioGroup: {
      RenderBackBuffer();
      POINT origin{0, 0};
      MapWindowPoints(window, hwnd_, &origin, 1);
      SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
      SetBkMode(dc, TRANSPARENT);
      if (control.Enabled) SetTextColor(dc, ToColorRef(TextColourOf(control)));
      return backBrush_;
    }
    case ControlKind::Edit:
    case ControlKind::Memo:
      // Read-only and disabled edits keep the colour of a window, as the toolkit's do.
      SetTextColor(dc, ToColorRef(TextColourOf(control)));
      SetBkColor(dc, Sys(COLOR_WINDOW));
      return GetSysColorBrush(COLOR_WINDOW);
    default:
      return nullptr;
  }
}

bool PageWindow::LooksDefault(const Button& button) const {
  HWND focus = GetFocus();
  for (const auto& child : children_)
    if (child->hwnd == focus && child->model->Kind() == ControlKind::Button) return child->model == &button;
  return button.Default;
}

void PageWindow::DrawButton(const DRAWITEMSTRUCT& item, const Button& button) {
  RECT whole = item.rcItem;
  Size size{whole.right - whole.left, whole.bottom - whole.top};
  DibCanvas canvas;
  if (!canvas.Resize(size)) return;
  HDC dc = canvas.Dc();
  bool pressed = item.itemState & ODS_SELECTED;
  bool enabled = button.Enabled && !(item.itemState & ODS_DISABLED);
  RECT r{0, 0, size.width, size.height};
  Fill(dc, r, Sys(COLOR_BTNFACE));
  if (LooksDefault(button) && enabled) {
    Frame3D(dc, r, Sys(COLOR_WINDOWFRAME), Sys(COLOR_WINDOWFRAME), 1);
  }
  if (pressed) {
    Frame3D(dc, r, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNSHADOW), 1);
  } else {
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
  }

  const velmar::Picture* glyph = nullptr;
  if (!button.Glyph.empty()) glyph = enabled ? host_.Gdi().Glyph(button.Glyph) : host_.Gdi().Greyed(button.Glyph);
  Size glyphSize = glyph ? Size{glyph->width, glyph->height} : Size{};
  HGDIOBJ old = SelectObject(dc, FontOf(button));
  std::wstring caption = platform::Widen(button.Caption);
  Size captionSize = caption.empty() ? Size{} : TextExtent(dc, caption, DT_SINGLELINE, 0);
  GlyphLayout layout = LayOutGlyphButton(size, glyphSize, captionSize, host_.Gdi().Scaled(4));
  int shift = pressed ? 1 : 0;
  if (glyph) {
    Rect at = layout.glyph;
    at.left += shift;
    at.top += shift;
    DrawPicture(canvas.Pixels(), *glyph, at, BottomLeftColour(*glyph));
  }
  RECT text = ToRect(layout.caption);
  OffsetRect(&text, shift, shift);
  DrawTextAs(dc, caption, text, DT_SINGLELINE, enabled, ToColorRef(TextColourOf(button)));
  SelectObject(dc, old);
  if (item.itemState & ODS_FOCUS) {
    RECT focus{4, 4, size.width - 4, size.height - 4};
    SetTextColor(dc, Sys(COLOR_BTNTEXT));
    SetBkColor(dc, Sys(COLOR_BTNFACE));
    DrawFocusRect(dc, &focus);
  }
  GdiFlush();
  BitBlt(item.hDC, whole.left, whole.top, size.width, size.height, dc, 0, 0, SRCCOPY);
}

void PageWindow::DrawListLine(const DRAWITEMSTRUCT& item, const ListBox& list) {
  if (item.itemID == UINT(-1) || item.itemID >= list.Items.size()) {
    Fill(item.hDC, item.rcItem, Sys(COLOR_WINDOW));
    return;
  }
  const ListItem& line = list.Items[item.itemID];
  bool selected = item.itemState & ODS_SELECTED;
  Fill(item.hDC, item.rcItem, Sys(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const auto& colour = selected ? line.SelectedTextColour : line.TextColour;
  COLORREF text = colour ? ToColorRef(*colour) : Sys(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  RECT r = item.rcItem;
  r.left += host_.Gdi().Scaled(2);
  HGDIOBJ old = SelectObject(item.hDC, FontOf(list));
  DrawTextAs(item.hDC, platform::Widen(line.Text), r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, true, text);
  SelectObject(item.hDC, old);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace velmar::ui::win32
