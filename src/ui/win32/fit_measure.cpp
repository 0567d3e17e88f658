#include "ui/win32/fit_measure.h"

#include <algorithm>

#include "platform/win32/wide.h"

namespace velmar::ui::win32 {

WindowMeasure::WindowMeasure(GdiCache& gdi) : gdi_(gdi), dc_(CreateCompatibleDC(nullptr)) {}

WindowMeasure::~WindowMeasure() {
  if (dc_) DeleteDC(dc_);
}

Size WindowMeasure::Text(const Control& control, std::string_view text, int wrapWidth, bool prefix) {
  const ui::Font& font = control.Font ? *control.Font : control.Owner().Font;
  HGDIOBJ old = SelectObject(dc_, gdi_.Font(font));
  const std::wstring wide = platform::Widen(std::string(text));
  RECT r{0, 0, std::max(wrapWidth, 1), 0};
  UINT format = DT_CALCRECT | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  if (!prefix) format |= DT_NOPREFIX;
  DrawTextW(dc_, wide.c_str(), -1, &r, format);
  SelectObject(dc_, old);
  return {r.right - r.left, r.bottom - r.top};
}

Size WindowMeasure::Glyph(std::string_view name) {
  const velmar::Picture* glyph = name.empty() ? nullptr : gdi_.Glyph(name);
  return glyph ? Size{glyph->width, glyph->height} : Size{};
}

int WindowMeasure::CheckWidth() {
  // The box, and the gap the button control leaves before its text.
  return GetSystemMetrics(SM_CXMENUCHECK) + gdi_.Scaled(4);
}

std::vector<Misfit> CheckShownPage(const Page& page, GdiCache& gdi) {
  WindowMeasure measure(gdi);
  return CheckFit(page, gdi.Dpi(), {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, measure);
}

}  // namespace velmar::ui::win32
