#pragma once
// The one error class of the installer. Only the INI layer, reads and writes in
// the middle of a copy, and reading a language file raise it; the UI host
// catches it at the event boundary and shows the general error message box.

#include <stdexcept>
#include <string>

namespace velmar {

class InstallerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace velmar
