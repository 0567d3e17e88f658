#include "ui/drawing/picture.h"

#include <cstdint>
#include <vector>

#include "platform/files/file_system.h"
#include "formats/picture_header.h"

namespace velmar::ui {
namespace {

// Enough for the headers of any picture the installer shows: a JPEG's frame
// header may follow large metadata segments.
constexpr size_t kHeadBytes = 1 << 20;

}  // namespace

std::optional<PictureFileInfo> ReadPictureFileInfo(platform::OpenFile& file) {
  if (!file.seek(0)) return std::nullopt;
  std::vector<uint8_t> head(kHeadBytes);
  size_t got = 0;
  while (got < head.size()) {
    const int64_t n = file.read(head.data() + got, head.size() - got);
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    got += size_t(n);
  }
  head.resize(got);
  const auto size = PictureSizeFromHeader(head);
  if (!size) return std::nullopt;
  return PictureFileInfo{size->format, {size->width, size->height}};
}

std::optional<PictureFileInfo> ReadPictureFileInfo(platform::FileSystem& files, const std::string& path) {
  auto file = files.openRead(path);
  if (!file) return std::nullopt;
  auto info = ReadPictureFileInfo(*file);
  file->close();
  return info;
}

}  // namespace velmar::ui
