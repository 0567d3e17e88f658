#pragma once
// Pictures as the models need them: where a picture comes from and its size.
// Decoding pixels is the host's business.

#include <optional>
#include <string>
#include <string_view>

#include "formats/picture_header.h"
#include "ui/layout/geometry.h"

namespace velmar::platform {
class FileSystem;
class OpenFile;
}  // namespace velmar::platform

namespace velmar::ui {

enum class PictureSource { None, BuiltIn, File };
using velmar::PictureFormat;

struct Picture {
  PictureSource Source = PictureSource::None;
  std::string Name;  // built-in bitmap name or file path
  Size Dimensions;
  bool Empty() const { return Source == PictureSource::None; }
  bool operator==(const Picture&) const = default;
};

struct PictureFileInfo {
  PictureFormat format;
  Size size;
};

// The format and size of a BMP or JPEG file, from its headers alone: the BMP
// info (or core) header, or the JPEG frame header (SOF marker). Nothing for
// another format, a damaged or truncated header, or a size of 0 or above 65535.
std::optional<PictureFileInfo> ReadPictureFileInfo(platform::OpenFile& file);
std::optional<PictureFileInfo> ReadPictureFileInfo(platform::FileSystem& files, const std::string& path);

}  // namespace velmar::ui
