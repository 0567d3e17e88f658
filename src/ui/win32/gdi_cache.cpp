#include "ui/win32/gdi_cache.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/wide.h"
#include "ui/layout/dpi_scale.h"
#include "ui/drawing/raster.h"
#include "ui/layout/window_rules.h"

namespace velmar::ui::win32 {

COLORREF ToColorRef(Colour colour) { return RGB(colour.red, colour.green, colour.blue); }

Colour FromColorRef(COLORREF colour) { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

HBITMAP MakeBitmap(const velmar::Picture& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  size_t stride = (size_t(picture.width) * 3 + 3) & ~size_t(3);
  auto* rows = static_cast<uint8_t*>(bits);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      auto p = picture.pixel(x, y);
      uint8_t* out = rows + size_t(y) * stride + size_t(x) * 3;
      out[0] = p[2];
      out[1] = p[1];
      out[2] = p[0];
    }
  GdiFlush();
  return bitmap;
}

GdiCache::GdiCache(platform::Pictures& pictures) : pictures_(pictures) {
  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  if (dpi_ <= 0) dpi_ = 96;
}

int GdiCache::Scaled(int value) const { return ScaleToDpi(value, dpi_); }
Size GdiCache::Scaled(Size size) const { return ScaleToDpi(size, dpi_); }
Rect GdiCache::Scaled(Rect rect) const { return ScaleToDpi(rect, dpi_); }

GdiCache::~GdiCache() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [key, list] : strips_)
    if (list) ImageList_Destroy(list);
}

HFONT GdiCache::Font(const ui::Font& font) {
  auto key = std::make_tuple(font.name, font.size, font.bold);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  LOGFONTW log{};
  log.lfHeight = FontHeightForPoints(font.size, dpi_);
  log.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  log.lfCharSet = DEFAULT_CHARSET;
  log.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log.lfQuality = DEFAULT_QUALITY;
  log.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::wstring face = platform::Widen(font.name);
  wcsncpy(log.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  HFONT made = CreateFontIndirectW(&log);
  if (!made) made = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_[key] = made;
  return made;
}

const velmar::Picture* GdiCache::Load(bool file, const std::string& name) {
  auto key = std::make_pair(file, name);
  auto found = pictures_by_name_.find(key);
  if (found != pictures_by_name_.end()) return found->second.get();
  auto loaded = file ? pictures_.loadFile(name) : pictures_.loadBuiltin(name);
  auto& slot = pictures_by_name_[key];
  if (loaded) slot = std::make_unique<velmar::Picture>(std::move(*loaded));
  return slot.get();
}

const velmar::Picture* GdiCache::Picture(const ui::Picture& picture) {
  if (picture.Empty()) return nullptr;
  return Load(picture.Source == PictureSource::File, picture.Name);
}

const velmar::Picture* GdiCache::BuiltIn(std::string_view name) {
  if (name.empty()) return nullptr;
  return Load(false, std::string(name));
}

const velmar::Picture* GdiCache::Sized(const velmar::Picture& picture, Size size, std::optional<Colour> transparent) {
  if (size == Size{picture.width, picture.height}) return &picture;
  auto key = std::make_tuple(&picture, size.width, size.height);
  auto& slot = sized_[key];
  if (!slot) slot = std::make_unique<velmar::Picture>(ScaledPicture(picture, size, transparent));
  return slot.get();
}

const velmar::Picture* GdiCache::Glyph(std::string_view name) {
  const velmar::Picture* glyph = BuiltIn(name);
  if (!glyph) return nullptr;
  return Sized(*glyph, Scaled(Size{glyph->width, glyph->height}), BottomLeftColour(*glyph));
}

const velmar::Picture* GdiCache::Greyed(std::string_view name) {
  std::string key(name);
  auto found = greyed_.find(key);
  if (found != greyed_.end()) return found->second.get();
  auto& slot = greyed_[key];
  if (const velmar::Picture* glyph = Glyph(name))
    slot = std::make_unique<velmar::Picture>(GreyedGlyph(*glyph, BottomLeftColour(*glyph),
                                                           FromColorRef(GetSysColor(COLOR_BTNSHADOW)),
                                                           FromColorRef(GetSysColor(COLOR_BTNHIGHLIGHT))));
  return slot.get();
}

HIMAGELIST GdiCache::ImageStrip(std::string_view name) {
  std::string key(name);
  auto found = strips_.find(key);
  if (found != strips_.end()) return found->second;
  HIMAGELIST list = nullptr;
  const velmar::Picture* strip = BuiltIn(name);
  if (strip && strip->height > 0) {
    const int count = strip->width / strip->height, side = Scaled(strip->height);
    strip = Sized(*strip, {count * side, side}, BottomLeftColour(*strip));
  }
  if (strip && strip->height > 0) {
    int side = strip->height;
    list = ImageList_Create(side, side, ILC_COLOR24 | ILC_MASK, strip->width / side, 1);
    if (HBITMAP bitmap = MakeBitmap(*strip); list && bitmap) {
      ImageList_AddMasked(list, bitmap, ToColorRef(BottomLeftColour(*strip)));
      DeleteObject(bitmap);
    }
  }
  strips_[key] = list;
  return list;
}

}  // namespace velmar::ui::win32

namespace velmar::ui::win32 {

DibCanvas::~DibCanvas() {
  if (dc_) {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  if (bitmap_) DeleteObject(bitmap_);
}

bool DibCanvas::Resize(Size size) {
  if (size == size_ && bitmap_) return true;
  if (!dc_) dc_ = CreateCompatibleDC(nullptr);
  if (!dc_) return false;
  if (bitmap_) {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    bitmap_ = nullptr;
  }
  size_ = {std::max(size.width, 1), std::max(size.height, 1)};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size_.width;
  info.bmiHeader.biHeight = -size_.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
  if (!bitmap_) {
    size_ = {};
    return false;
  }
  old_ = SelectObject(dc_, bitmap_);
  return true;
}

ui::PixelView DibCanvas::Pixels() const {
  GdiFlush();
  return {size_.width, size_.height, static_cast<uint8_t*>(bits_)};
}

}  // namespace velmar::ui::win32
