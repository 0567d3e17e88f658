// The removals of the uninstallation on the port's files and registry, and
// the folders they never reach.

#include "uninstall/removal.h"

#include <gtest/gtest.h>

#include "base/path_utils.h"
#include "support/files/folder_link.h"
#include "support/fixture/shell_ports.h"
#include "support/files/temp_drive.h"

namespace velmar {
namespace {

using platform::RootKey;

// A machine on the test's drive: Windows, a user's Desktop and a projects
// folder. Whatever name a folder goes by (another drive letter, a linked
// parent, another case, dots), the answer is the same.
TEST(ProtectedFolders, AtAboveAndInsideAreTheFileSystemsAnswers) {
  test::TempDrive drive;
  for (const char* folder : {"Windows\\System32", "Users\\Ann\\Desktop\\Work",
                             "Data\\VelProj\\Site\\Screens", "Data\\Mine", "Velmar"})
    drive.makeFolder(folder);
  ProtectedFolders protect(drive.fs());
  protect.AddWhole(drive.path("Windows"));
  protect.AddAtOrAbove(drive.path("Users\\Ann\\Desktop"));
  protect.AddProjects(drive.path("Data\\VelProj"));
  protect.AddProjects("Relative\\Ignored");
  const auto alias = drive.aliasDrive("Users\\Ann");
  test::FolderLink linked(drive, "Velmar\\Ann", "Users\\Ann");
  std::vector<std::string> refused = {"C:\\", "\\\\server\\share\\", "Velmar", drive.path("Windows"),
                                      drive.path("WINDOWS\\System32\\"), drive.path("Users\\Ann\\Desktop"),
                                      drive.path("Users\\Ann"), drive.path("Data\\VelProj"), drive.path("Data"),
                                      drive.path("Data\\VelProj\\Site\\Screens"),
                                      drive.path("Velmar\\..\\Users\\Ann\\Desktop")};
  std::vector<std::string> allowed = {"\\\\server\\share\\A", drive.path("Velmar"),
                                      drive.path("Users\\Ann\\Desktop\\Work"), drive.path("Data\\Mine")};
  if (alias) {
    refused.push_back(*alias + "Desktop");
    allowed.push_back(*alias + "Desktop\\Work");
  }
  if (linked.made()) {
    refused.push_back(drive.path("Velmar\\Ann\\Desktop"));
    allowed.push_back(drive.path("Velmar\\Ann\\Desktop\\Work"));
  }
  for (const std::string& folder : refused) EXPECT_TRUE(protect.FolderRefused(folder)) << folder;
  for (const std::string& folder : allowed) EXPECT_FALSE(protect.FolderRefused(folder)) << folder;
  // A product may lie above a projects folder, never at or inside one.
  EXPECT_FALSE(protect.ProductFolderRefused(drive.path("Data")));
  EXPECT_TRUE(protect.ProductFolderRefused(drive.path("Data\\VelProj\\Site")));
  EXPECT_TRUE(protect.ProductFolderRefused(drive.path("Users")));
  // Files: nothing inside the Windows folder or a projects folder.
  EXPECT_TRUE(protect.FileRefused(drive.path("Windows\\System32\\x.dll")));
  EXPECT_TRUE(protect.FileRefused(drive.path("Data\\VelProj\\Site\\x.lnk")));
  EXPECT_FALSE(protect.FileRefused(drive.path("Users\\Ann\\Desktop\\Velmar.lnk")));
}

// A drive with a Windows folder and a projects folder; the registry is the
// test's own.
struct RemovalRun {
  RemovalRun() : registry(drive), protect(drive.fs()), removal(drive.fs(), registry.registry(), protect) {
    drive.makeFolder("Windows");
    drive.makeFolder("VelProj");
    protect.AddWhole(drive.path("Windows"));
    protect.AddProjects(drive.path("VelProj"));
    removal.OnFailure = [this](const std::string& what) { failures.push_back(what); };
  }
  std::vector<std::string> Names(const std::string& folder) { return test::FolderNames(drive.fs(), drive.path(folder)); }
  void SetAttribute(const std::string& relative, uint32_t bit) {
    drive.fs().setAttributes(drive.path(relative), *drive.fs().attributes(drive.path(relative)) | bit);
  }

  test::TempDrive drive;
  test::TestRegistry registry;
  ProtectedFolders protect;
  Removal removal;
  std::vector<std::string> failures;
};

TEST(Removal, FoldersAreEmptiedWithOrWithoutTheirSubfoldersAndRemovedWhenEmpty) {
  RemovalRun run;
  for (const char* name : {"P\\PrintQ\\Job1.spl", "P\\PrintQ\\Printed\\Job0.spl", "P\\Common\\a.dat",
                           "P\\Common\\Sub\\b.dat", "P\\Tree\\a.txt", "P\\Tree\\Sub\\Deep\\b.txt",
                           "P\\Tree\\.hidden\\c.txt", "P\\Tree2\\Sub\\s.sys"})
    run.drive.writeFile(name, "x");
  run.SetAttribute("P\\Tree\\Sub\\Deep\\b.txt", attr::ReadOnly);
  run.SetAttribute("P\\Tree2\\Sub\\s.sys", attr::System);
  const std::string p = run.drive.path("P\\");
  // A subfolder first lets its parent go.
  run.removal.DeleteFolder(p + "PrintQ\\Printed", false);
  run.removal.DeleteFolder(p + "PrintQ", false);
  run.removal.DeleteFolder(p + "Common", false);
  run.removal.DeleteFolder(p + "Tree\\", true);
  run.removal.DeleteFolder(p + "Tree2", true);
  run.removal.DeleteFolder(p + "Missing", true);
  EXPECT_EQ(run.Names("P"), (std::vector<std::string>{"Common", "Tree", "Tree2"}));
  EXPECT_EQ(run.Names("P\\Common"), std::vector<std::string>{"Sub"});
  EXPECT_EQ(run.Names("P\\Tree"), std::vector<std::string>{".hidden"});
  EXPECT_EQ(run.Names("P\\Tree2\\Sub"), std::vector<std::string>{"s.sys"});
  EXPECT_TRUE(run.failures.empty());
}

// Of a shortcuts folder only the shortcuts go, and the folders that leaves
// empty; every other file stays and is counted, and a link is not entered.
TEST(Removal, AShortcutsFolderLosesOnlyItsShortcuts) {
  RemovalRun run;
  for (const char* name : {"Links\\Plant.LNK", "Links\\Old\\Demo.lnk", "Links\\Mine\\budget.xlsx",
                           "Links\\Mine\\Site.lnk", "Links\\notes.txt", "Data\\Far.lnk"})
    run.drive.writeFile(name, "x");
  test::FolderLink far(run.drive, "Links\\Far", "Data");
  EXPECT_EQ(run.removal.DeleteShortcutsIn(run.drive.path("Links")), 2);
  EXPECT_EQ(run.Names("Links"), far.made() ? (std::vector<std::string>{"Far", "Mine", "notes.txt"})
                                           : (std::vector<std::string>{"Mine", "notes.txt"}));
  EXPECT_EQ(run.Names("Links\\Mine"), std::vector<std::string>{"budget.xlsx"});
  EXPECT_TRUE(run.drive.exists("Data\\Far.lnk"));
  EXPECT_EQ(run.removal.DeleteShortcutsIn(run.drive.path("VelProj")), 0);
  EXPECT_TRUE(run.failures.empty());
}

// Nothing is removed through a link: neither in the folder it leads to when
// it lies inside the folder emptied, nor when the folder itself is one.
TEST(Removal, FoldersNeverFollowALinkOrJunction) {
  RemovalRun run;
  run.drive.writeFile("Data\\Mine.vpr", "the user's project");
  run.drive.writeFile("Links\\Plant.lnk", "shortcut");
  test::FolderLink inside(run.drive, "Links\\Data", "Data");
  test::FolderLink whole(run.drive, "Common", "Data");
  if (!inside.made() || !whole.made()) GTEST_SKIP() << "this port cannot link folders here";
  run.removal.DeleteFolder(run.drive.path("Links"), true);
  run.removal.DeleteFolder(run.drive.path("Common"), true);
  run.removal.DeleteFolder(run.drive.path("Common"), false);
  EXPECT_EQ(run.drive.readFile("Data\\Mine.vpr"), "the user's project");
  EXPECT_EQ(run.Names("Links"), std::vector<std::string>{"Data"});
  EXPECT_TRUE(run.failures.empty());
}

TEST(Removal, NothingInTheWindowsFolderOrAProjectsFolderOrOnARootIsRemoved) {
  RemovalRun run;
  for (const char* name : {"Windows\\System32\\VelOpc.dll", "Windows\\Velmar.ini", "VelProj\\Plant\\Plant.vpr",
                           "VelProj\\Top.dat", "Root.lnk"})
    run.drive.writeFile(name, "x");
  run.removal.DeleteFolder(run.drive.path("Windows\\System32"), false);
  run.removal.DeleteMatching(run.drive.path("Windows"), "*.INI");
  run.removal.DeleteFile(run.drive.path("Windows\\System32\\VelOpc.dll"));
  run.removal.DeleteFolder(run.drive.path("VelProj"), false);
  run.removal.DeleteFolder(run.drive.path(""), true);
  // A root of the drive is only a root on a port whose test drive is one.
  if (IsRootFolder(*AbsoluteFolder(run.drive.root()))) run.removal.DeleteFile(run.drive.path("Root.lnk"));
  for (const char* name : {"Windows\\System32\\VelOpc.dll", "Windows\\Velmar.ini", "VelProj\\Plant\\Plant.vpr",
                           "VelProj\\Top.dat", "Root.lnk"})
    EXPECT_TRUE(run.drive.exists(name)) << name;
}

TEST(Removal, KeysGoWithTheirSubkeysAndOnlyOurOwnFileTypesGo) {
  RemovalRun run;
  platform::Registry& r = run.registry.registry();
  ASSERT_TRUE(r.WriteString(RootKey::LocalMachine, "Software\\Kravo\\Velmar\\3.5", "Path", "C:\\Velmar"));
  ASSERT_TRUE(r.WriteString(RootKey::LocalMachine, "Software\\Kravo", "Licence", "1234"));
  ASSERT_TRUE(r.WriteString(RootKey::ClassesRoot, ".VPR", "", "velmarproject"));
  ASSERT_TRUE(r.WriteString(RootKey::ClassesRoot, "VelmarProject\\shell\\open\\command", "", "VelmarPM.exe \"%1\""));
  ASSERT_TRUE(r.WriteString(RootKey::ClassesRoot, ".VSC", "", "OtherScreens"));
  ASSERT_TRUE(r.WriteString(RootKey::ClassesRoot, "Velmar_VSC", "", "still there"));
  ASSERT_TRUE(r.WriteString(RootKey::ClassesRoot, "OtherScreens", "", "theirs"));
  run.removal.DeleteKeyTree(RootKey::LocalMachine, "Software\\Kravo");
  run.removal.RemoveFileType(".VPR", "VelmarProject");
  run.removal.RemoveFileType(".VSC", "Velmar_VSC");
  EXPECT_FALSE(r.KeyExists(RootKey::LocalMachine, "Software\\Kravo"));
  EXPECT_FALSE(r.KeyExists(RootKey::ClassesRoot, ".VPR"));
  EXPECT_FALSE(r.KeyExists(RootKey::ClassesRoot, "VelmarProject"));
  for (const char* key : {".VSC", "Velmar_VSC", "OtherScreens"})
    EXPECT_TRUE(r.KeyExists(RootKey::ClassesRoot, key)) << key;
  EXPECT_TRUE(run.failures.empty());
}

}  // namespace
}  // namespace velmar
