#pragma once
// The drive letters of the POSIX port: each letter names a host folder and a
// drive type, the way Wine maps its drives. Z: is "/" unless set otherwise.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files/file_system.h"

namespace velmar::platform {

struct DriveMapping {
  std::string hostFolder;  // absolute, without trailing "/" (except "/")
  DriveType type = DriveType::Fixed;
};

class DriveTable {
 public:
  DriveTable();  // Z: maps to "/"

  void map(char letter, std::string hostFolder, DriveType type);
  void unmap(char letter);
  const DriveMapping* find(char letter) const;

  // An absolute host path as a Windows path: the drive whose folder is the
  // longest prefix of it (whole names only), "/srv/c/a" -> "C:\a".
  std::optional<std::string> toWindows(std::string_view hostPath) const;

 private:
  std::array<std::optional<DriveMapping>, 26> drives_;
};

// Reads a table like "C=/srv/c:fixed;D=/media/cd:cdrom" (the form of the
// VELMAR_DRIVES variable). Each entry is a letter, "=", an absolute host
// folder and optionally ":" and a type (fixed, cdrom, removable, remote,
// ramdisk; fixed when left out). Entries are separated by ";"; Z: stays "/"
// unless the text maps it. Bad text raises InstallerError naming the entry.
DriveTable ParseDriveTable(std::string_view text);

}  // namespace velmar::platform
