#include "platform/posix/files/drive_table.h"

#include "base/errors.h"

namespace velmar::platform {

namespace {

int Index(char letter) {
  if (letter >= 'a' && letter <= 'z') return letter - 'a';
  if (letter >= 'A' && letter <= 'Z') return letter - 'A';
  return -1;
}

std::string WithoutTrailingSlashes(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

std::optional<DriveType> TypeByName(std::string_view name) {
  if (name == "fixed") return DriveType::Fixed;
  if (name == "cdrom") return DriveType::CdRom;
  if (name == "removable") return DriveType::Removable;
  if (name == "remote") return DriveType::Remote;
  if (name == "ramdisk") return DriveType::RamDisk;
  return std::nullopt;
}

}  // namespace

DriveTable::DriveTable() { map('Z', "/", DriveType::Fixed); }

void DriveTable::map(char letter, std::string hostFolder, DriveType type) {
  int i = Index(letter);
  if (i >= 0) drives_[i] = DriveMapping{WithoutTrailingSlashes(std::move(hostFolder)), type};
}

void DriveTable::unmap(char letter) {
  int i = Index(letter);
  if (i >= 0) drives_[i].reset();
}

const DriveMapping* DriveTable::find(char letter) const {
  int i = Index(letter);
  return (i >= 0 && drives_[i]) ? &*drives_[i] : nullptr;
}

std::optional<std::string> DriveTable::toWindows(std::string_view hostPath) const {
  int best = -1;
  size_t bestLength = 0;
  for (int i = 0; i < 26; ++i) {
    if (!drives_[i]) continue;
    const std::string& folder = drives_[i]->hostFolder;
    bool covers = folder == "/" ? hostPath.starts_with("/")
                                : hostPath.starts_with(folder) &&
                                      (hostPath.size() == folder.size() || hostPath[folder.size()] == '/');
    if (covers && (best < 0 || folder.size() > bestLength)) best = i, bestLength = folder.size();
  }
  if (best < 0) return std::nullopt;
  std::string out{static_cast<char>('A' + best), ':', '\\'};
  std::string_view rest = hostPath.substr(drives_[best]->hostFolder == "/" ? 0 : bestLength);
  for (size_t pos = 0; pos < rest.size();) {
    size_t end = rest.find('/', pos);
    if (end == std::string_view::npos) end = rest.size();
    std::string_view name = rest.substr(pos, end - pos);
    if (!name.empty() && name != ".") {
      if (out.back() != '\\') out += '\\';
      out += name;
    }
    pos = end + 1;
  }
  return out;
}

DriveTable ParseDriveTable(std::string_view text) {
  DriveTable table;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find(';', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view entry = text.substr(pos, end - pos);
    pos = end + 1;
    if (entry.empty()) continue;
    auto bad = [&](const char* why) {
      return InstallerError("VELMAR_DRIVES: " + std::string(why) + " in \"" + std::string(entry) + "\"");
    };
    if (entry.size() < 3 || Index(entry[0]) < 0 || entry[1] != '=') throw bad("expected a drive letter and \"=\"");
    std::string_view folder = entry.substr(2);
    DriveType type = DriveType::Fixed;
    size_t colon = folder.rfind(':');
    if (colon != std::string_view::npos) {
      auto named = TypeByName(folder.substr(colon + 1));
      if (!named) throw bad("unknown drive type (fixed, cdrom, removable, remote, ramdisk)");
      type = *named;
      folder = folder.substr(0, colon);
    }
    if (folder.empty() || folder[0] != '/') throw bad("the host folder must be an absolute path");
    table.map(entry[0], std::string(folder), type);
  }
  return table;
}

}  // namespace velmar::platform
