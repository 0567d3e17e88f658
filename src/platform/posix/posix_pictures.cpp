// Pictures on POSIX: our own BMP decoder, libjpeg for JPEG, and the built-in
// bitmaps compiled into the program.

#include "platform/pictures.h"
#include "platform/posix/posix_jpeg.h"
#include "resources/builtin_bitmap_files.h"
#include "formats/bmp_format.h"
#include "formats/picture_header.h"
#include "platform/files/file_contents.h"

namespace velmar::platform {

namespace {

constexpr uint64_t kMaxPictureFileBytes = 256ull << 20;

class PosixPictures : public Pictures {
 public:
  explicit PosixPictures(FileSystem& files) : files_(files) {}

  std::optional<Picture> loadFile(const std::string& path) override {
    const auto data = ReadFileContents(files_, path, kMaxPictureFileBytes);
    if (!data) return std::nullopt;
    const auto checked = CheckPictureFile(AsBytes(*data));
    if (!checked) return std::nullopt;
    auto picture = checked->format == PictureFormat::Bmp ? DecodeBmpFile(AsBytes(*data)) : DecodeJpeg(AsBytes(*data));
    if (picture && (picture->width != checked->width || picture->height != checked->height)) return std::nullopt;
    return picture;
  }

  std::optional<Picture> loadBuiltin(std::string_view name) override {
    const auto file = BuiltinBitmapFile(name);
    if (!file) return std::nullopt;
    return DecodeBmpFile(*file);
  }

 private:
  FileSystem& files_;
};

}  // namespace

std::unique_ptr<Pictures> MakeHostPictures(FileSystem& files) { return std::make_unique<PosixPictures>(files); }

}  // namespace velmar::platform
