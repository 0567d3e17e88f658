// The same expectations for the registry, shortcuts, processes and mutexes of
// whichever port this test program is built with. Process and mutex tests
// start this test program again as the child (support/child_modes.h).

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "support/child_modes.h"
#include "support/fixture/shell_ports.h"
#include "support/files/temp_drive.h"

namespace velmar::platform {
namespace {

using test::TempDrive;
constexpr RootKey User = RootKey::CurrentUser;

// Polls until the condition holds, at most timeoutMs.
template <class Condition>
bool Eventually(Condition condition, int timeoutMs = 20000) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace

// ---- registry ----

class RegistryContract : public testing::Test {
 protected:
  TempDrive drive;
  test::TestRegistry test{drive};
  Registry& reg = test.registry();
};

TEST_F(RegistryContract, StringsAndDefaultValuesReadBackWithoutRegardToCase) {
  const std::string key = test.key("Kravo\\Velmar");
  EXPECT_FALSE(reg.KeyExists(User, key));
  EXPECT_EQ(reg.ReadString(User, key, "Path"), std::nullopt);
  for (const auto& [name, value] : std::vector<std::pair<std::string, std::string>>{
           {"Path", "C:\\Velmar\\"}, {"", "VelmarProject"}, {"Text", "\"Grüße\" aus Łódź\\"}})
    ASSERT_TRUE(reg.WriteString(User, key, name, value)) << name;
  ASSERT_TRUE(reg.WriteString(User, test.key("kravo\\VELMAR"), "PATH", "D:\\Other"));
  EXPECT_TRUE(reg.KeyExists(User, key));
  EXPECT_EQ(reg.ReadString(User, test.key("KRAVO\\velmar"), "path"), "D:\\Other");
  EXPECT_EQ(reg.ReadDefault(User, key), "VelmarProject");
  EXPECT_EQ(reg.ReadString(User, key, "Text"), "\"Grüße\" aus Łódź\\");
  EXPECT_EQ(reg.SubkeyNames(User, test.key()), (std::vector<std::string>{"Kravo"}));
}

TEST_F(RegistryContract, SubkeysAreTheDirectChildrenInOrderAndDeletedWithTheirTree) {
  ASSERT_TRUE(reg.CreateKey(User, test.key("Zeta")));
  ASSERT_TRUE(reg.CreateKey(User, test.key("alpha\\deep\\deeper")));
  ASSERT_TRUE(reg.WriteString(User, test.key("Mid"), "x", "1"));
  EXPECT_TRUE(reg.KeyExists(User, test.key("alpha\\deep")));
  EXPECT_EQ(reg.SubkeyNames(User, test.key()), (std::vector<std::string>{"alpha", "Mid", "Zeta"}));
  EXPECT_EQ(reg.SubkeyNames(User, test.key("Missing")), std::nullopt);

  ASSERT_TRUE(reg.WriteString(User, test.key("Kravo\\Velmar\\3.4\\Options"), "a", "1"));
  ASSERT_TRUE(reg.WriteString(User, test.key("Kravo"), "b", "2"));
  ASSERT_TRUE(reg.WriteString(User, test.key("KravoBeside"), "c", "3"));
  EXPECT_TRUE(reg.DeleteKey(User, test.key("kravo")));
  EXPECT_FALSE(reg.KeyExists(User, test.key("Kravo")));
  EXPECT_EQ(reg.ReadString(User, test.key("KravoBeside"), "c"), "3");
  EXPECT_FALSE(reg.DeleteKey(User, test.key("Kravo")));  // gone already
  EXPECT_FALSE(reg.DeleteKey(User, ""));                 // never a root
  EXPECT_TRUE(reg.KeyExists(User, "Software"));
}

// ---- shortcuts ----

class ShortcutContract : public testing::Test {
 protected:
  TempDrive drive;
  std::unique_ptr<Shortcuts> shortcuts = test::MakePortShortcuts(drive);
};

// The installer's project shortcut, a program with arguments and icon, a target
// that is not there yet; saving again replaces the shortcut.
TEST_F(ShortcutContract, ShortcutsReadBackWithEveryProperty) {
  drive.writeFile("Velmar\\VelmarPM.exe", "");
  const std::string link = drive.path("Demo.LNK");
  for (const ShortcutProperties& p :
       {test::Shortcut(drive.path("Velmar\\VelmarPM.exe"), drive.path("Velmar\\"), "Project manager für Łódź",
                       "/regserver \"a b\"", drive.path("Velmar\\VelmarPM.exe"), 1),
        test::Shortcut(drive.path("Later\\Plant.VPR"), drive.path("Later\\"), "Not there yet"),
        test::Shortcut(drive.path("Velmar\\Projects\\Demo\\"), drive.path("Velmar\\"), "Ordner für Demo")}) {
    ASSERT_TRUE(shortcuts->CreateShortcut(link, p));
    EXPECT_EQ(shortcuts->ReadShortcut(link), p);
  }
}

// ---- processes ----

class ProcessContract : public testing::Test {
 protected:
  TempDrive drive;
  std::unique_ptr<Processes> processes = test::MakePortProcesses(drive);
  std::string Child(std::string_view mode) { return test::ChildCommand(*processes, mode); }
};

TEST_F(ProcessContract, AnEndedProgramGivesItsExitCodeAndGotItsArgumentsAsQuoted) {
  const std::string self = processes->ProgramPath();
  EXPECT_EQ(self.substr(1, 2), ":\\");
  EXPECT_TRUE(drive.fs().attributes(self));
  for (const auto& [mode, code] : std::vector<std::pair<std::string, uint32_t>>{
           {"exit:3", 3}, {"args " + std::string(test::ChildArgumentsText), 0}}) {
    auto child = processes->Start(Child(mode), WindowShow::Minimized);
    ASSERT_TRUE(child) << mode;
    EXPECT_TRUE(child->Wait(20000));
    EXPECT_TRUE(child->HasEnded());
    EXPECT_EQ(child->ExitCode(), code) << mode;
  }
}

// ---- mutexes ----

class MutexContract : public testing::Test {
 protected:
  std::unique_ptr<Mutexes> mutexes = test::MakePortMutexes();
  std::string name = test::UniqueName("rmVel_Test_Run_Mutex");
};

TEST_F(MutexContract, AMutexExistsWhileAnyHolderKeepsIt) {
  EXPECT_FALSE(mutexes->Open(name));
  EXPECT_FALSE(mutexes->Exists(name));  // testing created nothing
  auto first = mutexes->Create(name);
  ASSERT_TRUE(first);
  EXPECT_TRUE(mutexes->Exists(name));
  auto opened = mutexes->Open(name);
  auto second = mutexes->Create(name);  // exists already: held too
  ASSERT_TRUE(opened && second);
  first.reset();
  EXPECT_TRUE(mutexes->Exists(name));
  opened.reset();
  EXPECT_TRUE(mutexes->Exists(name));
  second.reset();
  EXPECT_FALSE(mutexes->Exists(name));
}

TEST_F(MutexContract, AnotherProgramsMutexIsSeenUntilItEnds) {
  TempDrive drive;
  auto processes = test::MakePortProcesses(drive);
  // One child ends by itself, the other is killed: neither leaves its mutex behind.
  // A wait that ends first leaves the program running.
  for (const bool killed : {false, true}) {
    auto child = processes->Start(test::ChildCommand(*processes, (killed ? "hold:600000:" : "hold:1500:") + name),
                                  WindowShow::Minimized);
    ASSERT_TRUE(child);
    ASSERT_TRUE(Eventually([&] { return mutexes->Exists(name); }));
    if (killed) {
      EXPECT_FALSE(child->Wait(500));
      EXPECT_FALSE(child->HasEnded());
      EXPECT_EQ(child->ExitCode(), std::nullopt);
      EXPECT_TRUE(child->Terminate());
    }
    ASSERT_TRUE(child->Wait(20000));
    EXPECT_TRUE(child->ExitCode().has_value());
    EXPECT_FALSE(mutexes->Exists(name)) << (killed ? "killed" : "ended");
    EXPECT_FALSE(mutexes->Open(name));
  }
}

TEST_F(MutexContract, TheChangeMessageIsRegisteredAndBroadcast) {
  EXPECT_FALSE(mutexes->Broadcast(7, 55));  // nothing registered yet
  EXPECT_GE(mutexes->RegisterChangeMessage("VelmarSystem_Mutex_Changed"), 0xC000u);
  EXPECT_TRUE(mutexes->Broadcast(7, 55));
}

}  // namespace velmar::platform
