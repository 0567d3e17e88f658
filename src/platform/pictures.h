#pragma once
// Pictures: the backdrop's corner pictures (.BMP and .JPG files) and the
// program's built-in bitmaps, decoded into plain pixels for the UI host.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "formats/picture.h"
#include "platform/files/file_system.h"

namespace velmar::platform {

class Pictures {
 public:
  virtual ~Pictures() = default;
  // A BMP or JPEG file, recognised by its content. No value when the file is
  // missing, unreadable, damaged, or larger than the installer accepts.
  virtual std::optional<Picture> loadFile(const std::string& path) = 0;
  // A bitmap built into the program ("LOGO34_SPLASH"); no value for other names.
  virtual std::optional<Picture> loadBuiltin(std::string_view name) = 0;
};

// The pictures of this system; files are read through `files`, which must
// outlive the returned object.
std::unique_ptr<Pictures> MakeHostPictures(FileSystem& files);

}  // namespace velmar::platform
