#pragma once
// Shell shortcuts (.lnk files) as the installer makes and reads them.
// Paths are Windows paths, UTF-8 encoded.

#include <optional>
#include <string>

#include "formats/shell_link.h"

namespace velmar::platform {

class Shortcuts {
 public:
  virtual ~Shortcuts() = default;
  // Writes the shortcut file, replacing an existing one; false when it could not be saved.
  virtual bool CreateShortcut(const std::string& linkPath, const ShortcutProperties& properties) = 0;
  // Nothing when the file is missing, unreadable or not a shortcut.
  virtual std::optional<ShortcutProperties> ReadShortcut(const std::string& linkPath) = 0;
};

}  // namespace velmar::platform
