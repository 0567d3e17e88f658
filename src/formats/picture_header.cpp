#include "formats/picture_header.h"

#include "formats/bmp_format.h"
#include "formats/picture_limits.h"

namespace velmar {

namespace {

constexpr uint8_t kSoi = 0xD8, kEoi = 0xD9, kSos = 0xDA, kDht = 0xC4, kJpg = 0xC8, kDac = 0xCC;

bool IsStartOfFrame(uint8_t m) { return m >= 0xC0 && m <= 0xCF && m != kDht && m != kJpg && m != kDac; }
// Markers that stand alone, without a length.
bool HasNoLength(uint8_t m) { return (m >= 0xD0 && m <= 0xD7) || m == 0x01 || m == kSoi; }

struct JpegScan {
  std::optional<PictureSize> size;
  bool reachedEnd = false;
};

// Walks the marker segments; with `wholeFile`, also through the entropy-coded
// data after each start of scan, up to the end-of-image marker.
JpegScan ScanJpeg(std::span<const uint8_t> d, bool wholeFile) {
  JpegScan scan;
  if (d.size() < 4 || d[0] != 0xFF || d[1] != kSoi) return scan;
  size_t at = 2;
  bool sawScan = false;
  while (at + 1 < d.size()) {
    if (d[at] != 0xFF) return scan;  // a segment must start with a marker
    while (at + 1 < d.size() && d[at + 1] == 0xFF) ++at;  // fill bytes
    if (at + 1 >= d.size()) return scan;
    const uint8_t marker = d[at + 1];
    at += 2;
    if (marker == kEoi) {
      scan.reachedEnd = scan.size.has_value() && sawScan;
      return scan;
    }
    if (HasNoLength(marker)) continue;
    if (at + 2 > d.size()) return scan;
    const size_t length = d[at] << 8 | d[at + 1];
    if (length < 2 || at + length > d.size()) return scan;
    if (IsStartOfFrame(marker)) {
      if (length < 8 || scan.size) return JpegScan{};  // a second frame header is damage
      const int height = d[at + 3] << 8 | d[at + 4];
      const int width = d[at + 5] << 8 | d[at + 6];
      if (!PictureSizeAllowed(width, height)) return JpegScan{};
      scan.size = PictureSize{PictureFormat::Jpeg, width, height};
      if (!wholeFile) return scan;
    }
    at += length;
    if (marker == kSos) {
      if (!scan.size) return JpegScan{};
      sawScan = true;
      // Entropy-coded data: 0xFF is followed by a stuffed zero or a restart
      // marker; anything else is the next segment.
      while (at + 1 < d.size() && !(d[at] == 0xFF && d[at + 1] != 0 && !(d[at + 1] >= 0xD0 && d[at + 1] <= 0xD7))) {
        ++at;
      }
    }
  }
  return scan;
}

}  // namespace

std::optional<PictureSize> PictureSizeFromHeader(std::span<const uint8_t> bytes) {
  if (const auto bmp = BmpFileSize(bytes)) return PictureSize{PictureFormat::Bmp, bmp->width, bmp->height};
  return ScanJpeg(bytes, false).size;
}

std::optional<PictureSize> CheckPictureFile(std::span<const uint8_t> file) {
  if (const auto bmp = BmpFileSize(file)) {
    if (!BmpFileComplete(file)) return std::nullopt;
    return PictureSize{PictureFormat::Bmp, bmp->width, bmp->height};
  }
  const auto scan = ScanJpeg(file, true);
  if (!scan.reachedEnd) return std::nullopt;
  return scan.size;
}

}  // namespace velmar
