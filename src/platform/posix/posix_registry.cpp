#include "platform/files/file_contents.h"
#include "platform/posix/posix_shell_services.h"
#include "formats/registry_file.h"

namespace velmar::platform {
namespace {

constexpr size_t MaxRegistryFile = 64 << 20;
constexpr const char* ShellFolders =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string FullKey(RootKey root, const std::string& key) {
  return key.empty() ? RootKeyName(root) : std::string(RootKeyName(root)) + "\\" + key;
}

class PosixRegistry : public Registry {
 public:
  PosixRegistry(FileSystem& fs, std::string file, std::string userName)
      : fs_(fs), file_(std::move(file)), userName_(std::move(userName)) {}

  bool KeyExists(RootKey root, const std::string& key) override {
    const Loaded loaded = Load();
    return loaded.file.KeyExists(FullKey(root, key));
  }

  std::optional<std::string> ReadString(RootKey root, const std::string& key, const std::string& valueName) override {
    return Load().file.ReadString(FullKey(root, key), valueName);
  }

  std::optional<std::vector<std::string>> SubkeyNames(RootKey root, const std::string& key) override {
    const Loaded loaded = Load();
    if (!loaded.file.KeyExists(FullKey(root, key))) return std::nullopt;
    return loaded.file.SubkeyNames(FullKey(root, key));
  }

  bool DeleteKey(RootKey root, const std::string& key) override {
    Loaded loaded = Load();
    return loaded.file.DeleteKey(FullKey(root, key)) && Save(loaded);
  }

  bool CreateKey(RootKey root, const std::string& key) override {
    Loaded loaded = Load();
    return loaded.file.CreateKey(FullKey(root, key)) && Save(loaded);
  }

  bool WriteString(RootKey root, const std::string& key, const std::string& valueName,
                   const std::string& value) override {
    Loaded loaded = Load();
    return loaded.file.WriteString(FullKey(root, key), valueName, value) && Save(loaded);
  }

 private:
  struct Loaded {
    RegistryFile file;
    bool writable = true;  // false for a file that is no registry file
  };

  Loaded Load() {
    Loaded loaded;
    if (fs_.attributes(file_)) {
      const auto text = ReadFileContents(fs_, file_, MaxRegistryFile);
      auto parsed = text ? RegistryFile::Parse(*text) : std::nullopt;
      if (parsed)
        loaded.file = std::move(*parsed);
      else
        loaded.writable = false;
    }
    FillShellFolders(loaded.file);
    return loaded;
  }

  bool Save(const Loaded& loaded) {
    return loaded.writable && ReplaceFileContents(fs_, file_, loaded.file.Serialize());
  }

  // Windows always has these folders; the installer puts its shortcuts there.
  void FillShellFolders(RegistryFile& file) const {
    const std::string profile = "C:\\Users\\" + userName_;
    const std::string programs = profile + "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs";
    const std::pair<const char*, std::string> defaults[] = {
        {"Desktop", profile + "\\Desktop"}, {"Programs", programs}, {"Startup", programs + "\\Startup"}};
    for (const auto& [name, folder] : defaults)
      if (!file.ReadString(ShellFolders, name)) {
        file.WriteString(ShellFolders, name, folder);
        CreateFolderPath(folder);
      }
  }

  // The folder and its missing parents, below the drive's root.
  void CreateFolderPath(const std::string& folder) const {
    for (size_t at = folder.find('\\', 3); ; at = folder.find('\\', at + 1)) {
      fs_.createFolder(folder.substr(0, at));
      if (at == std::string::npos) break;
    }
  }

  FileSystem& fs_;
  std::string file_;
  std::string userName_;
};

}  // namespace

std::string DefaultRegistryFile(FileSystem& fs) { return fs.windowsFolder() + "\\Velmar-Registry.reg"; }

std::unique_ptr<Registry> MakePosixRegistry(FileSystem& fs, std::string registryFile, std::string userName) {
  return std::make_unique<PosixRegistry>(fs, std::move(registryFile), std::move(userName));
}

}  // namespace velmar::platform
