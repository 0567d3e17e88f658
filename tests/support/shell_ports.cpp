#include "support/shell_ports.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace velmar::test {

std::string UniqueName(const std::string& prefix) {
  static std::mt19937_64 random(std::random_device{}() ^
                                static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(random()));
  return prefix + "-" + digits;
}

uint32_t PrivateMutexes::RegisterChangeMessage(const std::string& name) {
  RegisteredMessage = name;
  return port_->RegisterChangeMessage(name);
}

bool PrivateMutexes::Broadcast(uintptr_t wParam, intptr_t lParam) {
  Broadcasts.emplace_back(wParam, lParam);
  return port_->Broadcast(wParam, lParam);
}

std::string ReadTestData(const std::string& relative) {
  const std::string path = TestDataPath(relative);
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open test data " + path);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace velmar::test
