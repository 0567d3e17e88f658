#include "platform/file_contents.h"

namespace velmar::platform {

std::optional<std::string> ReadFileContents(FileSystem& fs, const std::string& path, size_t maxSize) {
  auto file = fs.openRead(path);
  if (!file) return std::nullopt;
  std::string content;
  char buffer[16384];
  while (true) {
    const int64_t got = file->read(buffer, sizeof buffer);
    if (got < 0 || content.size() + static_cast<size_t>(got) > maxSize) {
      file->close();
      return std::nullopt;
    }
    if (got == 0) break;
    content.append(buffer, static_cast<size_t>(got));
  }
  file->close();
  return content;
}

bool ReplaceFileContents(FileSystem& fs, const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".new";
  auto file = fs.create(temporary);
  if (!file) return false;
  const bool written = bytes.empty() || file->write(bytes.data(), bytes.size()) == static_cast<int64_t>(bytes.size());
  if (!file->close() || !written || !fs.replaceFile(temporary, path)) {
    fs.deleteFile(temporary);
    return false;
  }
  return true;
}

}  // namespace velmar::platform
