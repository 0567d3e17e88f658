#include "platform/files/file_contents.h"

#include "base/errors.h"
#include "base/path_utils.h"

namespace velmar::platform {

std::optional<std::string> ReadFileContents(FileSystem& fs, const std::string& path, size_t maxSize) {
  auto file = fs.openRead(path);
  if (!file) return std::nullopt;
  std::string content;
  char buffer[64 * 1024];
  for (;;) {
    const int64_t got = file->read(buffer, sizeof buffer);
    if (got < 0 || static_cast<size_t>(got) > maxSize - content.size()) {
      file->close();
      return std::nullopt;
    }
    if (got == 0) break;
    content.append(buffer, static_cast<size_t>(got));
  }
  file->close();
  return content;
}

std::string ReadFileContentsOrRaise(FileSystem& fs, const std::string& path) {
  auto content = ReadFileContents(fs, path);
  if (!content) throw InstallerError("Cannot read \"" + path + "\"");
  return std::move(*content);
}

NewFile CreateBeside(FileSystem& fs, const std::string& path, std::string_view suffix, Leftover leftover) {
  constexpr int Tries = 100;
  const std::string first = path + std::string(suffix);
  if (const auto found = fs.find(first);
      leftover == Leftover::Remove && !found.empty() && !(found.front().attributes & attr::Folder))
    fs.deleteFile(first);
  for (int n = 0; n < Tries; ++n) {
    std::string name = path + std::string(suffix) + (n ? std::to_string(n) : "");
    if (auto file = fs.createNew(name)) return {std::move(name), std::move(file)};
    // Nothing has the name, so the folder itself refuses new files.
    if (fs.find(name).empty()) break;
  }
  return {};
}

namespace {

// Empty when the file was replaced, otherwise why not.
std::string Replace(FileSystem& fs, const std::string& path, std::string_view bytes) {
  const auto lock = fs.lockFolder(FileFolderPart(path));
  const std::optional<uint32_t> old = fs.attributes(path);
  auto [temporary, out] = CreateBeside(fs, path, ".~tmp");
  if (!out) return "no file can be created in its folder";
  const bool written = bytes.empty() || out->write(bytes.data(), bytes.size()) == static_cast<int64_t>(bytes.size());
  const bool closed = out->close();
  out.reset();
  if (!written || !closed) {
    fs.deleteFile(temporary);
    return "the disk is full or cannot be written";
  }
  if (old && (*old & (attr::Hidden | attr::System))) fs.setAttributes(temporary, *old | attr::Archive);
  if (!fs.replaceFile(temporary, path, Flush::Data)) {
    fs.deleteFile(temporary);
    return "the file cannot be replaced";
  }
  return {};
}

}  // namespace

bool ReplaceFileContents(FileSystem& fs, const std::string& path, std::string_view bytes) {
  return Replace(fs, path, bytes).empty();
}

void ReplaceFileContentsOrRaise(FileSystem& fs, const std::string& path, std::string_view bytes) {
  if (const std::string why = Replace(fs, path, bytes); !why.empty())
    throw InstallerError("Unable to write to " + path + ": " + why);
}

}  // namespace velmar::platform
