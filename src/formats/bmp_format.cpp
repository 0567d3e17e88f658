#include "formats/bmp_format.h"

#include <bit>

#include "formats/picture_limits.h"

namespace velmar {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;

uint32_t Le16(std::span<const uint8_t> d, size_t at) { return d[at] | d[at + 1] << 8; }
uint32_t Le32(std::span<const uint8_t> d, size_t at) {
  return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | static_cast<uint32_t>(d[at + 3]) << 24;
}

struct Layout {
  int width = 0, height = 0;
  bool topDown = false;
  int bitsPerPixel = 0;
  uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha; used above 8 bits
  size_t paletteOffset = 0, paletteEntries = 0, paletteEntrySize = 4;
  size_t pixelOffset = 0;  // from the start of `data`
  size_t rowBytes = 0;
};

// Reads the info header that starts at `at`. `pixelOffset` is the file
// header's offset, or 0 when the pixels follow the colour table (a DIB).
std::optional<Layout> ParseHeaders(std::span<const uint8_t> d, size_t at, size_t pixelOffset, bool needPixels) {
  if (d.size() < at + 12) return std::nullopt;
  const uint32_t headerSize = Le32(d, at);
  Layout l;
  uint32_t compression = kRgb, colorsUsed = 0;
  int64_t width, height;
  if (headerSize == 12) {  // the old core header: 16-bit sizes, 3-byte colours
    width = Le16(d, at + 4);
    height = Le16(d, at + 6);
    if (Le16(d, at + 8) != 1) return std::nullopt;
    l.bitsPerPixel = static_cast<int>(Le16(d, at + 10));
    l.paletteEntrySize = 3;
  } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 64 ||
             headerSize == 108 || headerSize == 124) {
    if (d.size() < at + headerSize) return std::nullopt;
    width = static_cast<int32_t>(Le32(d, at + 4));
    height = static_cast<int32_t>(Le32(d, at + 8));
    if (Le16(d, at + 12) != 1) return std::nullopt;
    l.bitsPerPixel = static_cast<int>(Le16(d, at + 14));
    compression = Le32(d, at + 16);
    colorsUsed = Le32(d, at + 32);
  } else {
    return std::nullopt;
  }
  if (height < 0) {
    l.topDown = true;
    height = -height;
  }
  if (!PictureSizeAllowed(width, height)) return std::nullopt;
  l.width = static_cast<int>(width);
  l.height = static_cast<int>(height);

  const int bpp = l.bitsPerPixel;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return std::nullopt;
  // OS/2 headers of 64 bytes give other meanings to the compression codes.
  if (headerSize == 64 && compression != kRgb) return std::nullopt;

  size_t tableAt = at + headerSize;
  if (compression == kBitFields || compression == kAlphaBitFields) {
    if (bpp != 16 && bpp != 32) return std::nullopt;
    const int maskCount = compression == kAlphaBitFields ? 4 : 3;
    // Masks sit inside the longer headers, after the 40-byte one otherwise.
    const size_t masksAt = at + 40;
    if (headerSize == 40) tableAt += 4 * maskCount;
    if (d.size() < masksAt + 4 * maskCount) return std::nullopt;
    for (int i = 0; i < maskCount; ++i) l.masks[i] = Le32(d, masksAt + 4 * i);
    if (headerSize >= 56) l.masks[3] = Le32(d, at + 52);
    if (!l.masks[0] || !l.masks[1] || !l.masks[2]) return std::nullopt;
  } else if (compression == kRgb) {
    if (bpp == 16) {
      l.masks[0] = 0x7C00, l.masks[1] = 0x03E0, l.masks[2] = 0x001F;
    } else if (bpp >= 24) {
      l.masks[0] = 0xFF0000, l.masks[1] = 0xFF00, l.masks[2] = 0xFF;
    }
  } else {
    return std::nullopt;  // run-length and embedded JPEG/PNG bitmaps are not read
  }

  if (bpp <= 8) {
    const size_t full = size_t{1} << bpp;
    l.paletteEntries = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
    l.paletteOffset = tableAt;
    if (needPixels && d.size() < tableAt + l.paletteEntries * l.paletteEntrySize) return std::nullopt;
    tableAt += l.paletteEntries * l.paletteEntrySize;
  } else if (colorsUsed && !pixelOffset) {
    // An optional colour table before true-colour pixels: skipped, but in a
    // DIB the pixels only start after it.
    if (colorsUsed > (d.size() - tableAt) / 4) return std::nullopt;
    tableAt += size_t{colorsUsed} * 4;
  }

  l.pixelOffset = pixelOffset ? pixelOffset : tableAt;
  if (pixelOffset && pixelOffset < at + headerSize) return std::nullopt;
  l.rowBytes = ((static_cast<size_t>(l.width) * bpp + 31) / 32) * 4;
  if (needPixels && (l.pixelOffset > d.size() || (d.size() - l.pixelOffset) / l.rowBytes < size_t(l.height))) {
    return std::nullopt;
  }
  return l;
}

std::optional<Layout> ParseFile(std::span<const uint8_t> file, bool needPixels) {
  if (file.size() < kFileHeaderSize + 12 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  const uint32_t offBits = Le32(file, 10);
  if (offBits == 0) return std::nullopt;
  return ParseHeaders(file, kFileHeaderSize, offBits, needPixels);
}

// One channel under a mask, scaled to 0..255.
uint8_t Channel(uint32_t value, uint32_t mask) {
  if (!mask) return 0;
  const int shift = std::countr_zero(mask);
  const uint32_t max = mask >> shift;
  return static_cast<uint8_t>(uint64_t{(value & mask) >> shift} * 255 / max);
}

Picture Decode(std::span<const uint8_t> d, const Layout& l) {
  Picture pic;
  pic.width = l.width;
  pic.height = l.height;
  pic.rgba.resize(static_cast<size_t>(l.width) * l.height * 4);
  for (int y = 0; y < l.height; ++y) {
    const size_t srcRow = l.topDown ? y : l.height - 1 - y;
    const uint8_t* row = d.data() + l.pixelOffset + srcRow * l.rowBytes;
    uint8_t* out = &pic.rgba[static_cast<size_t>(y) * l.width * 4];
    for (int x = 0; x < l.width; ++x, out += 4) {
      if (l.bitsPerPixel <= 8) {
        const int bpp = l.bitsPerPixel;
        const size_t bit = static_cast<size_t>(x) * bpp;
        const uint32_t index = (row[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
        if (index < l.paletteEntries) {
          const uint8_t* c = d.data() + l.paletteOffset + index * l.paletteEntrySize;
          out[0] = c[2], out[1] = c[1], out[2] = c[0];
        } else {
          out[0] = out[1] = out[2] = 0;  // outside the table: black, as Windows shows it
        }
        out[3] = 255;
        continue;
      }
      const uint8_t* p = row + static_cast<size_t>(x) * (l.bitsPerPixel / 8);
      uint32_t v = p[0] | p[1] << 8;
      if (l.bitsPerPixel >= 24) v |= p[2] << 16;
      if (l.bitsPerPixel == 32) v |= static_cast<uint32_t>(p[3]) << 24;
      out[0] = Channel(v, l.masks[0]);
      out[1] = Channel(v, l.masks[1]);
      out[2] = Channel(v, l.masks[2]);
      out[3] = l.masks[3] ? Channel(v, l.masks[3]) : 255;
    }
  }
  return pic;
}

}  // namespace

std::optional<BmpSize> BmpFileSize(std::span<const uint8_t> file) {
  const auto l = ParseFile(file, false);
  if (!l) return std::nullopt;
  return BmpSize{l->width, l->height};
}

bool BmpFileComplete(std::span<const uint8_t> file) { return ParseFile(file, true).has_value(); }

std::optional<Picture> DecodeBmpFile(std::span<const uint8_t> file) {
  const auto l = ParseFile(file, true);
  if (!l) return std::nullopt;
  return Decode(file, *l);
}

std::optional<Picture> DecodeDib(std::span<const uint8_t> dib) {
  const auto l = ParseHeaders(dib, 0, 0, true);
  if (!l) return std::nullopt;
  return Decode(dib, *l);
}

}  // namespace velmar
