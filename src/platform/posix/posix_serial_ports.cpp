#include "platform/serial_ports.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace velmar::platform {

bool CanOpenSerialPort(int n) {
  if (n < 1 || n > 4) return false;
  const std::string name = "VELMAR_COM" + std::to_string(n);
  const char* device = std::getenv(name.c_str());
  if (!device || !*device) return false;
  // Non-blocking, so a line without carrier does not hold the page; only a
  // terminal device stands for a port.
  const int fd = ::open(device, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  const bool terminal = ::isatty(fd) == 1;
  return ::close(fd) == 0 && terminal;
}

}  // namespace velmar::platform
