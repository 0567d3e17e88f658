#include "support/files/temp_drive.h"

#include <filesystem>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/files/win32_files.h"
#include "platform/win32/windows_api.h"
#include "support/fixture/shell_ports.h"
#include "support/win32/wine_host.h"

namespace velmar::test {

struct TempDrive::Port {
  platform::Win32FileSystem fs;
  std::string previousFolder;
  std::vector<std::wstring> aliases;  // "Q:", each defined by this drive
  // Under Wine: the host's links in dosdevices, and the roots they make ("Q:\\").
  std::vector<std::pair<std::string, std::string>> wineAliases;
};

namespace {

// Removes a folder tree, clearing attributes that keep files from going.
void RemoveTree(platform::FileSystem& fs, const std::string& folder) {
  for (const auto& entry : fs.find(folder + "\\*")) {
    if (entry.name == "." || entry.name == "..") continue;
    std::string path = folder + "\\" + entry.name;
    fs.setAttributes(path, entry.attributes & attr::Folder ? 0 : attr::Archive);
    // A link is removed, never followed: what it leads to is not the test's.
    if ((entry.attributes & attr::Folder) && !(entry.attributes & attr::ReparsePoint))
      RemoveTree(fs, path);
    else
      fs.deleteFile(path);
  }
  fs.removeFolder(folder);
}

}  // namespace

TempDrive::TempDrive() : port_(std::make_unique<Port>()) {
  const std::string temp = std::filesystem::temp_directory_path().string();
  for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
    std::string candidate = temp;
    if (candidate.back() != '\\') candidate += '\\';
    candidate += UniqueName("velmar-test");
    if (port_->fs.createFolder(candidate)) root_ = candidate + "\\";
  }
  if (root_.empty()) throw std::runtime_error("TempDrive: cannot create a folder in " + temp);
  port_->previousFolder = port_->fs.currentFolder();
  port_->fs.setCurrentFolder(root_);
}

TempDrive::~TempDrive() {
  for (const std::wstring& alias : port_->aliases) DefineDosDeviceW(DDD_REMOVE_DEFINITION, alias.c_str(), nullptr);
  // Wine may tell that a host program ended before it has: the letter is
  // waited for until it is gone, so that a later drive of the same letter
  // cannot lose its link to this removal.
  for (const auto& [link, root] : port_->wineAliases) {
    RunHostProgram("Z:\\bin\\rm " + link);
    for (int n = 0; n < 100 && port_->fs.attributes(root); ++n) Sleep(50);
  }
  port_->fs.setCurrentFolder(port_->previousFolder);
  RemoveTree(port_->fs, root_.substr(0, root_.size() - 1));
}

platform::FileSystem& TempDrive::fs() { return port_->fs; }

// Windows makes drives of other types only through drivers or the shell.
std::optional<std::string> TempDrive::addDrive(platform::DriveType) { return std::nullopt; }

std::optional<std::string> TempDrive::aliasDrive(std::string_view relative) {
  const std::wstring target = platform::Widen(path(relative));
  const DWORD used = GetLogicalDrives();
  for (wchar_t letter = L'Q'; letter <= L'Y'; ++letter) {
    if (used & (1u << (letter - L'A'))) continue;
    const std::wstring name{letter, L':'};
    const std::string root = platform::Narrow(name) + "\\";
    if (DefineDosDeviceW(0, name.c_str(), target.c_str())) {
      port_->aliases.push_back(name);
      if (port_->fs.attributes(root)) return root;
    }
    // Wine keeps its drive letters as links in the prefix's dosdevices.
    const std::string unixTarget = WineUnixPath(target);
    const DWORD length = GetEnvironmentVariableA("WINEPREFIX", nullptr, 0);
    if (unixTarget.empty() || length == 0) return std::nullopt;
    std::string prefix(length, '\0');
    prefix.resize(GetEnvironmentVariableA("WINEPREFIX", prefix.data(), length));
    std::string link = prefix + "/dosdevices/" + char(letter - L'A' + 'a') + ":";
    RunHostProgram("Z:\\bin\\ln -s " + unixTarget + " " + link);
    port_->wineAliases.emplace_back(link, root);
    for (int i = 0; i < 100; ++i, Sleep(50))
      if (port_->fs.attributes(root)) return root;
    return std::nullopt;
  }
  return std::nullopt;
}

std::vector<std::string> TempDrive::privateRoots() const { return {root_}; }

std::string TempDrive::hostRoot() const { return root_; }

}  // namespace velmar::test
