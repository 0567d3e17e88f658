#pragma once
// The registry, shortcuts, processes and mutexes of the port this test
// program is built with, set up for tests.

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/mutexes.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/shortcuts.h"
#include "support/temp_drive.h"

namespace velmar::platform {
// Readable failures for shortcut comparisons.
inline void PrintTo(const ShortcutProperties& p, std::ostream* os) {
  *os << "{target \"" << p.target << "\", folder \"" << p.workingFolder << "\", description \"" << p.description
      << "\", arguments \"" << p.arguments << "\", icon \"" << p.iconPath << "\"," << p.iconIndex << "}";
}
}  // namespace velmar::platform

namespace velmar::test {

inline ShortcutProperties Shortcut(std::string target, std::string folder, std::string description,
                                             std::string arguments = "", std::string icon = "", int iconIndex = 0) {
  return {std::move(target),    std::move(folder), std::move(description),
          std::move(arguments), std::move(icon),   iconIndex};
}

// A registry that is the test's own, with the user's shell folders (Desktop,
// Programs, Startup) in the temporary drive: on POSIX a registry file in the
// drive, on Windows the real registry seen through a key of the test's own,
// removed again at the end. key() names a key below HKEY_CURRENT_USER for
// tests of the registry itself.
class TestRegistry {
 public:
  explicit TestRegistry(TempDrive& drive);
  ~TestRegistry();
  TestRegistry(const TestRegistry&) = delete;
  TestRegistry& operator=(const TestRegistry&) = delete;

  platform::Registry& registry() { return *registry_; }
  // "Software\VelmarTest-..." (no trailing backslash) plus, when given, "\" + sub.
  std::string key(const std::string& sub = "") const { return sub.empty() ? base_ : base_ + "\\" + sub; }

 private:
  std::unique_ptr<platform::Registry> registry_;
  std::string base_;
};

std::unique_ptr<platform::Shortcuts> MakePortShortcuts(TempDrive& drive);
std::unique_ptr<platform::Processes> MakePortProcesses(TempDrive& drive);
std::unique_ptr<platform::Mutexes> MakePortMutexes();

// A file of tests/data (relative with backslashes) read straight from the
// source tree; throws when it cannot be read.
std::string ReadTestData(const std::string& relative);
// Where that file lies, as this port's C library opens it.
std::string TestDataPath(const std::string& relative);

// A name no other test run uses, for mutexes and registry keys.
std::string UniqueName(const std::string& prefix);

// The port's mutexes under names of the test's own, so that tests, and
// installers running beside them, never see each other's mutexes.
class PrivateMutexes : public platform::Mutexes {
 public:
  PrivateMutexes() : port_(MakePortMutexes()), prefix_(UniqueName("VelmarTest") + "-") {}
  // The name the port sees.
  std::string PortName(const std::string& name) const { return prefix_ + name; }

  bool Exists(const std::string& name) override { return port_->Exists(PortName(name)); }
  std::unique_ptr<platform::HeldMutex> Open(const std::string& name) override { return port_->Open(PortName(name)); }
  std::unique_ptr<platform::HeldMutex> Create(const std::string& name) override {
    return port_->Create(PortName(name));
  }
  uint32_t RegisterChangeMessage(const std::string& name) override;
  bool Broadcast(uintptr_t wParam, intptr_t lParam) override;

  // What the installer broadcast: (wParam, lParam) in order.
  std::vector<std::pair<uintptr_t, intptr_t>> Broadcasts;
  std::string RegisteredMessage;

 private:
  std::unique_ptr<platform::Mutexes> port_;
  std::string prefix_;
};

}  // namespace velmar::test
