#include "services/read_whole_file.h"

namespace velmar {

std::optional<std::vector<uint8_t>> ReadWholeFile(platform::FileSystem& files, const std::string& path,
                                                  uint64_t limit) {
  auto file = files.openRead(path);
  if (!file) return std::nullopt;
  std::vector<uint8_t> data;
  uint8_t buffer[64 * 1024];
  for (;;) {
    const int64_t got = file->read(buffer, sizeof buffer);
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    if (data.size() + static_cast<uint64_t>(got) > limit) return std::nullopt;
    data.insert(data.end(), buffer, buffer + got);
  }
  file->close();
  return data;
}

}  // namespace velmar
