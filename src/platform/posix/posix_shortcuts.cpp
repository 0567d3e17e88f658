#include "platform/files/file_contents.h"
#include "platform/posix/posix_shell_services.h"
#include "formats/shell_link.h"

namespace velmar::platform {
namespace {

// Shell links are a few kilobytes; anything far larger is no shortcut.
constexpr size_t MaxLinkFile = 1 << 20;

class PosixShortcuts : public Shortcuts {
 public:
  explicit PosixShortcuts(FileSystem& fs) : fs_(fs) {}

  bool CreateShortcut(const std::string& linkPath, const ShortcutProperties& properties) override {
    const auto bytes = EncodeShellLink(properties);
    return bytes && ReplaceFileContents(fs_, linkPath, std::string(bytes->begin(), bytes->end()));
  }

  std::optional<ShortcutProperties> ReadShortcut(const std::string& linkPath) override {
    const auto bytes = ReadFileContents(fs_, linkPath, MaxLinkFile);
    if (!bytes) return std::nullopt;
    return DecodeShellLink(std::span(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()));
  }

 private:
  FileSystem& fs_;
};

}  // namespace

std::unique_ptr<Shortcuts> MakePosixShortcuts(FileSystem& fs) { return std::make_unique<PosixShortcuts>(fs); }

}  // namespace velmar::platform
