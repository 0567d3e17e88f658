// BMP decoding and the picture header checks on any bytes: a decoded picture
// has the size its headers give, and the checks agree with the decoders.
#include <cstdlib>

#include "formats/bmp_format.h"
#include "formats/picture_header.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  const auto header = BmpFileSize(bytes);
  const auto picture = DecodeBmpFile(bytes);
  if (picture.has_value() != BmpFileComplete(bytes)) std::abort();
  if (picture) {
    if (!header || header->width != picture->width || header->height != picture->height) std::abort();
    if (picture->rgba.size() != size_t(picture->width) * size_t(picture->height) * 4) std::abort();
  }
  const auto dib = DecodeDib(bytes);
  if (dib && dib->rgba.size() != size_t(dib->width) * size_t(dib->height) * 4) std::abort();

  const auto sized = PictureSizeFromHeader(bytes);
  const auto checked = CheckPictureFile(bytes);
  if (checked && (!sized || sized->format != checked->format || sized->width != checked->width ||
                  sized->height != checked->height))
    std::abort();
  if (checked && checked->format == PictureFormat::Bmp && !picture) std::abort();  // passed, so it must decode
  return 0;
}
