#include "ui/win32/screen_picture.h"

#include <algorithm>
#include <vector>

#include "ui/raster.h"
#include "ui/win32/gdi_cache.h"

namespace velmar::ui::win32 {

bool SaveScreenPicture(const std::wstring& file, RECT part) {
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (IsRectEmpty(&part)) part = screen;
  if (!IntersectRect(&part, &part, &screen)) return false;
  Size size{part.right - part.left, part.bottom - part.top};
  DibCanvas canvas;
  if (!canvas.Resize(size)) return false;
  HDC source = GetDC(nullptr);
  bool copied = BitBlt(canvas.Dc(), 0, 0, size.width, size.height, source, part.left, part.top, SRCCOPY | CAPTUREBLT);
  ReleaseDC(nullptr, source);
  if (!copied) return false;
  PixelView pixels = canvas.Pixels();
  std::vector<uint8_t> bytes = EncodeBmp(pixels.width, pixels.height, pixels.bgra);
  HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(out, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
  return CloseHandle(out) && ok;
}

}  // namespace velmar::ui::win32
