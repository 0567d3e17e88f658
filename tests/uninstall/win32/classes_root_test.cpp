// File types removed from the machine's real HKEY_CLASSES_ROOT: the test
// registers types under names of its own, removes what is its to remove,
// and takes away what is left.

#include <gtest/gtest.h>

#include "platform/win32/win32_shell_services.h"
#include "support/fixture/shell_ports.h"
#include "uninstall/removal.h"

namespace velmar {
namespace {

using platform::RootKey;

TEST(ClassesRoot, AFileTypeGoesOnlyWhenItsExtensionNamesOurClass) {
  const auto registry = platform::MakeWin32Registry();
  const std::string ours = test::UniqueName(".vlt"), foreign = test::UniqueName(".vlt");
  const std::string ourClass = test::UniqueName("Velmar_vlt"), otherClass = test::UniqueName("Other_vlt");
  const std::string unused = test::UniqueName("Velmar_vlt");
  struct Cleanup {
    platform::Registry& r;
    std::vector<std::string> keys;
    ~Cleanup() {
      for (const auto& key : keys) r.DeleteKey(RootKey::ClassesRoot, key);
    }
  } cleanup{*registry, {ours, ourClass, foreign, otherClass, unused}};
  ASSERT_TRUE(registry->WriteString(RootKey::ClassesRoot, ours, "", ourClass));
  ASSERT_TRUE(registry->WriteString(RootKey::ClassesRoot, ourClass + "\\shell\\open\\command", "", "Velmar.exe \"%1\""));
  ASSERT_TRUE(registry->WriteString(RootKey::ClassesRoot, foreign, "", otherClass));
  ASSERT_TRUE(registry->WriteString(RootKey::ClassesRoot, otherClass, "", "theirs"));

  test::TempDrive drive;
  const ProtectedFolders protect(drive.fs());
  Removal removal(drive.fs(), *registry, protect);
  std::vector<std::string> failures;
  removal.OnFailure = [&](const std::string& what) { failures.push_back(what); };
  removal.RemoveFileType(ours, ourClass);
  removal.RemoveFileType(foreign, unused);
  registry->NotifyAssociationsChanged();

  EXPECT_FALSE(registry->KeyExists(RootKey::ClassesRoot, ours));
  EXPECT_FALSE(registry->KeyExists(RootKey::ClassesRoot, ourClass));
  EXPECT_EQ(registry->ReadDefault(RootKey::ClassesRoot, foreign), otherClass);
  EXPECT_TRUE(registry->KeyExists(RootKey::ClassesRoot, otherClass));
  EXPECT_TRUE(failures.empty());
}

}  // namespace
}  // namespace velmar
