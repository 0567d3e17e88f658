#include "ui/win32/screen_picture.h"

#include <algorithm>
#include <vector>

#include "ui/drawing/raster.h"
#include "ui/win32/gdi_cache.h"

namespace velmar::ui::win32 {

std::optional<std::vector<uint8_t>> ScreenPicture(RECT part) {
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (IsRectEmpty(&part)) part = screen;
  if (!IntersectRect(&part, &part, &screen)) return std::nullopt;
  Size size{part.right - part.left, part.bottom - part.top};
  DibCanvas canvas;
  if (!canvas.Resize(size)) return std::nullopt;
  HDC source = GetDC(nullptr);
  bool copied = BitBlt(canvas.Dc(), 0, 0, size.width, size.height, source, part.left, part.top, SRCCOPY | CAPTUREBLT);
  ReleaseDC(nullptr, source);
  if (!copied) return std::nullopt;
  PixelView pixels = canvas.Pixels();
  return EncodeBmp(pixels.width, pixels.height, pixels.bgra);
}

}  // namespace velmar::ui::win32
