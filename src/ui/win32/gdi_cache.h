#pragma once
// Fonts, decoded pictures and image lists of the Win32 host, made once and
// kept for the host's lifetime.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/pictures.h"
#include "platform/win32/windows_api.h"
#include "ui/layout/geometry.h"
#include "ui/drawing/picture.h"
#include "ui/drawing/raster.h"

#include <commctrl.h>

namespace velmar::ui::win32 {

class GdiCache {
 public:
  explicit GdiCache(platform::Pictures& pictures);
  ~GdiCache();
  GdiCache(const GdiCache&) = delete;
  GdiCache& operator=(const GdiCache&) = delete;

  // The screen's dots per inch; pages, pictures and fonts are made for it.
  int Dpi() const { return dpi_; }
  int Scaled(int value) const;
  Size Scaled(Size size) const;
  Rect Scaled(Rect rect) const;
  HFONT Font(const ui::Font& font);
  // The picture of an image control, or nullptr when it cannot be loaded.
  const velmar::Picture* Picture(const ui::Picture& picture);
  const velmar::Picture* BuiltIn(std::string_view name);
  // A picture at another size, smoothly scaled (without mixing in the
  // transparent colour, when one is given) and kept; the picture itself at
  // its own size.
  const velmar::Picture* Sized(const velmar::Picture& picture, Size size, std::optional<Colour> transparent = {});
  // A built-in glyph as a button shows it on this screen; nullptr for an unknown name.
  const velmar::Picture* Glyph(std::string_view name);
  // A built-in glyph as a disabled button shows it; nullptr for an unknown name.
  const velmar::Picture* Greyed(std::string_view name);
  // A built-in strip of square images side by side, scaled to the screen, as
  // an image list with the strip's bottom-left colour transparent; nullptr
  // for an unknown name.
  HIMAGELIST ImageStrip(std::string_view name);

 private:
  const velmar::Picture* Load(bool file, const std::string& name);

  platform::Pictures& pictures_;
  int dpi_ = 96;
  std::map<std::tuple<std::string, int, bool>, HFONT> fonts_;
  std::map<std::pair<bool, std::string>, std::unique_ptr<velmar::Picture>> pictures_by_name_;
  std::map<std::string, std::unique_ptr<velmar::Picture>> greyed_;
  std::map<std::tuple<const velmar::Picture*, int, int>, std::unique_ptr<velmar::Picture>> sized_;
  std::map<std::string, HIMAGELIST> strips_;
};

// A top-down 24-bit DIB section holding the picture, for image lists; the caller deletes it.
HBITMAP MakeBitmap(const velmar::Picture& picture);
COLORREF ToColorRef(Colour colour);
Colour FromColorRef(COLORREF colour);

}  // namespace velmar::ui::win32

namespace velmar::ui::win32 {

// A 32-bit top-down DIB section with its own memory DC: drawn into with GDI
// and with the raster functions alike.
class DibCanvas {
 public:
  DibCanvas() = default;
  ~DibCanvas();
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  // Makes the canvas this size (its pixels are then undefined); false when it cannot.
  bool Resize(Size size);
  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return bitmap_; }
  Size Dimensions() const { return size_; }
  // The pixels, after GDI has finished drawing.
  ui::PixelView Pixels() const;

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
  Size size_;
};

}  // namespace velmar::ui::win32
