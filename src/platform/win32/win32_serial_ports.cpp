#include "platform/serial_ports.h"

#include <string>

#include "platform/win32/windows_api.h"

namespace velmar::platform {

bool CanOpenSerialPort(int n) {
  if (n < 1 || n > 4) return false;
  const std::wstring name = L"\\\\.\\COM" + std::to_wstring(n);
  HANDLE port = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (port == INVALID_HANDLE_VALUE) return false;
  return CloseHandle(port) != 0;
}

}  // namespace velmar::platform
