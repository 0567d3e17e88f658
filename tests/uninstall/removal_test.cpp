// The removals of the uninstallation on the port's files and registry, and
// the folders they never reach.

#include "uninstall/removal.h"

#include <gtest/gtest.h>

#include "base/path_utils.h"
#include "support/failing_files.h"
#include "support/folder_link.h"
#include "support/shell_ports.h"
#include "support/temp_drive.h"

namespace velmar {
namespace {

using platform::RootKey;

TEST(ProtectedFolders, RootsAndFoldersInsideOthers) {
  EXPECT_TRUE(IsRootFolder("D:\\"));
  EXPECT_TRUE(IsRootFolder("\\\\server\\share"));
  EXPECT_FALSE(IsRootFolder("\\\\server\\share\\A"));
  EXPECT_TRUE(IsSameOrInside("C:\\VELPROJ\\Plant", "c:\\VelProj"));
  EXPECT_FALSE(IsSameOrInside("C:\\VelProject", "C:\\VelProj"));
}

ProtectedFolders Machine() {
  ProtectedFolders protect;
  protect.AddSystem("C:\\Windows\\");
  protect.AddSystem("C:\\Windows\\System32");
  protect.AddShell("C:\\Users\\Ann\\Desktop\\");
  protect.AddShell("C:\\Users\\Ann\\Start Menu\\Programs");
  protect.AddProjects("D:\\Data\\VelProj");
  protect.AddProjects("Relative\\Ignored");
  return protect;
}

TEST(ProtectedFolders, AProductFolderMayNotBeARootTheSystemAUserFolderOrTheProjects) {
  const ProtectedFolders protect = Machine();
  for (const char* refused : {"C:\\", "D:\\", "\\\\server\\share\\", "C:\\Windows", "c:\\windows\\system32\\",
                              "C:\\Windows\\Velmar", "C:\\Users\\Ann\\Desktop", "C:\\Users\\Ann",
                              "C:\\Users", "D:\\Data\\VelProj\\", "Velmar", "C:\\Velmar\\..\\..\\"})
    EXPECT_TRUE(ProductFolderRefused(refused, protect)) << refused;
  for (const char* allowed : {"C:\\Velmar\\", "D:\\Data", "D:\\Data\\VelProj\\Velmar", "C:\\Users\\Ann\\Velmar",
                              "C:\\Users\\Ann\\Desktop\\Velmar", "C:\\WindowsApps\\Velmar"})
    EXPECT_FALSE(ProductFolderRefused(allowed, protect)) << allowed;
}

TEST(ProtectedFolders, AFolderTreeMayNotHoldTheSystemAUserFolderTheProjectsOrTheProduct) {
  const ProtectedFolders protect = Machine();
  const std::vector<std::string> products = {"C:\\Velmar\\", "E:\\Velmar"};
  for (const char* refused : {"C:\\", "C:\\Windows\\Fonts", "C:\\Users\\Ann\\Desktop", "C:\\Users\\Ann\\",
                              "C:\\Users\\Ann\\Start Menu", "D:\\Data\\VelProj", "D:\\DATA", "C:\\Velmar",
                              "E:\\", "C:\\Velmar\\Projects\\..", "Projects"})
    EXPECT_TRUE(FolderTreeRefused(refused, protect, products)) << refused;
  for (const char* allowed : {"C:\\Velmar\\Projects", "C:\\Users\\Ann\\Desktop\\Velmar Projects",
                              "C:\\Users\\Ann\\Start Menu\\Programs\\Velmar", "D:\\Data\\VelProj\\Links",
                              "D:\\Data\\Links"})
    EXPECT_FALSE(FolderTreeRefused(allowed, protect, products)) << allowed;
}

// A drive with a Windows folder and a projects folder; the registry is the
// test's own.
struct RemovalRun {
  RemovalRun() : registry(drive), removal(drive.fs(), registry.registry(), protect) {
    protect.AddSystem(drive.path("Windows"));
    protect.AddProjects(drive.path("VelProj"));
    removal.OnFailure = [this](const std::string& what) { failures.push_back(what); };
  }
  std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : drive.fs().find(drive.path(folder) + "\\*.*"))
      if (entry.name != "." && entry.name != "..") names.push_back(entry.name);
    return names;
  }
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

// An emptied folder that cannot be removed is told, as a file that cannot
// be; one that holds something stays without a word, and so does one whose
// removal failed because it was gone already.
TEST(Removal, AnEmptyFolderThatCannotBeRemovedIsTold) {
  RemovalRun run;
  run.drive.writeFile("P\\Empty\\a.txt", "x");
  run.drive.writeFile("P\\Full\\Sub\\s.sys", "x");
  run.SetAttribute("P\\Full\\Sub\\s.sys", attr::System);
  test::FailingFiles files(run.drive.fs());
  files.addFault({.op = test::FileOp::RemoveFolder, .persistent = true});
  Removal removal(files, run.registry.registry(), run.protect);
  removal.OnFailure = run.removal.OnFailure;
  const std::string p = run.drive.path("P\\");
  removal.DeleteFolder(p + "Empty", false);
  removal.DeleteFolder(p + "Full", true);
  removal.RemoveEmptyFolder(p + "Missing");
  EXPECT_EQ(run.failures, std::vector<std::string>{p + "Empty"});
  EXPECT_TRUE(run.Names("P\\Empty").empty());
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
  const auto linked = run.drive.fs().attributes(run.drive.path("Links\\Data"));
  ASSERT_TRUE(linked);
  EXPECT_EQ(*linked & (attr::Folder | attr::ReparsePoint), attr::Folder | attr::ReparsePoint);
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
  ASSERT_TRUE(r.WriteString(RootKey::LocalMachine, "Software\\Kravonia", "Keep", "1"));
  ASSERT_TRUE(r.WriteString(RootKey::ClassesRoot, ".VPR", "", "velmarproject"));
  ASSERT_TRUE(r.WriteString(RootKey::ClassesRoot, ".VPR\\ShellNew", "NullFile", ""));
  ASSERT_TRUE(r.WriteString(RootKey::ClassesRoot, "VelmarProject\\shell\\open\\command", "", "VelmarPM.exe \"%1\""));
  ASSERT_TRUE(r.WriteString(RootKey::ClassesRoot, ".VSC", "", "OtherScreens"));
  ASSERT_TRUE(r.WriteString(RootKey::ClassesRoot, "Velmar_VSC", "", "still there"));
  ASSERT_TRUE(r.WriteString(RootKey::ClassesRoot, "OtherScreens", "", "theirs"));
  ASSERT_TRUE(r.CreateKey(RootKey::ClassesRoot, ".VTG"));
  run.removal.DeleteKeyTree(RootKey::LocalMachine, "Software\\Kravo");
  run.removal.DeleteKeyTree(RootKey::LocalMachine, "Software\\Missing");
  run.removal.RemoveFileType(".VPR", "VelmarProject");
  run.removal.RemoveFileType(".VSC", "Velmar_VSC");
  run.removal.RemoveFileType(".VTG", "Velmar_VTG");
  run.removal.RemoveFileType(".VAL", "Velmar_VAL");
  EXPECT_FALSE(r.KeyExists(RootKey::LocalMachine, "Software\\Kravo"));
  EXPECT_TRUE(r.KeyExists(RootKey::LocalMachine, "Software\\Kravonia"));
  EXPECT_FALSE(r.KeyExists(RootKey::ClassesRoot, ".VPR"));
  EXPECT_FALSE(r.KeyExists(RootKey::ClassesRoot, "VelmarProject"));
  for (const char* key : {".VSC", "Velmar_VSC", "OtherScreens", ".VTG"})
    EXPECT_TRUE(r.KeyExists(RootKey::ClassesRoot, key)) << key;
  EXPECT_EQ(r.ReadDefault(RootKey::ClassesRoot, ".VSC"), "OtherScreens");
  EXPECT_TRUE(run.failures.empty());
}

}  // namespace
}  // namespace velmar
