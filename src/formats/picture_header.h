#pragma once
// What a picture file is and how big, from its bytes, without decoding it.

#include <cstdint>
#include <optional>
#include <span>

namespace velmar {

enum class PictureFormat { Bmp, Jpeg };

struct PictureSize {
  PictureFormat format = PictureFormat::Bmp;
  int width = 0, height = 0;
};

// From the headers alone: a BMP's info header, a JPEG's frame header (any
// start-of-frame marker). The beginning of a file is enough. No value for
// other data or sizes the installer does not accept.
std::optional<PictureSize> PictureSizeFromHeader(std::span<const uint8_t> bytes);

// The whole file: sound headers and all the picture data present (every BMP
// row; a JPEG's scans up to its end marker). A decoder is only given files
// that pass, so a cut-off file fails the same way on every system.
std::optional<PictureSize> CheckPictureFile(std::span<const uint8_t> file);

}  // namespace velmar
