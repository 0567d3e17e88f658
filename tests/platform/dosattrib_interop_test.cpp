// Attributes set by one port are what the other port reads on the same disk.
// tests/scripts/dosattrib_interop.sh runs the steps: 1 natively, 2 with the
// Windows build under Wine, 3 natively again, all on one Windows path.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/files/host_files.h"

namespace velmar::platform {

TEST(DosAttribInterop, StepFromTheScript) {
  const char* dir = std::getenv("VELMAR_INTEROP_DIR");
  const char* step = std::getenv("VELMAR_INTEROP_STEP");
  if (!dir || !step) GTEST_SKIP() << "a step of tests/scripts/dosattrib_interop.sh";
  auto fs = MakeHostFileSystem();
  const std::string folder = std::string(dir) + "\\";
  auto make = [&](const std::string& name, uint32_t bits) {
    auto file = fs->create(folder + name);
    ASSERT_TRUE(file) << folder + name;
    file->close();
    ASSERT_TRUE(fs->setAttributes(folder + name, bits));
  };
  auto kept = [&](const std::string& name) {
    return fs->attributes(folder + name).value_or(0xFFFF) & (attr::ReadOnly | attr::Hidden | attr::System);
  };
  const std::string which = step;
  if (which == "1") {
    make("hidden-system.txt", attr::Hidden | attr::System | attr::Archive);
    make("readonly.txt", attr::ReadOnly | attr::Archive);
  } else if (which == "2") {
    EXPECT_EQ(kept("hidden-system.txt"), attr::Hidden | attr::System);
    EXPECT_EQ(kept("readonly.txt"), attr::ReadOnly);
    make("hidden-by-windows.txt", attr::Hidden);
  } else {
    EXPECT_EQ(kept("hidden-by-windows.txt"), attr::Hidden);
  }
}

}  // namespace velmar::platform
