#pragma once
// The registry, shortcuts, processes and mutexes of the port this test
// program is built with, set up for tests.

#include <memory>
#include <ostream>
#include <string>

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

// A registry and a key below HKEY_CURRENT_USER that is the test's own: on
// POSIX a registry file in the temporary drive, on Windows the real registry
// with "Software\VelmarTest-<random>", removed again at the end.
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
// Mutexes that no other test program sees where the port allows it (POSIX:
// lock files in the drive); on Windows the port's own.
std::unique_ptr<platform::Mutexes> MakePrivateMutexes(TempDrive& drive);

// A file of tests/data (relative with backslashes) read straight from the
// source tree; throws when it cannot be read.
std::string ReadTestData(const std::string& relative);
// Where that file lies, as this port's C library opens it.
std::string TestDataPath(const std::string& relative);

// A name no other test run uses, for mutexes and registry keys.
std::string UniqueName(const std::string& prefix);

}  // namespace velmar::test
