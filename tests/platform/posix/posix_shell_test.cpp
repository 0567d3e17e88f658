// What only the POSIX port of the shell services does: the registry file,
// programs found through the drive table, lock files of programs that died.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files/file_contents.h"
#include "platform/posix/files/posix_files.h"
#include "platform/posix/posix_shell_services.h"
#include "support/files/temp_drive.h"

namespace velmar::platform {
namespace {

using test::TempDrive;
constexpr const char* ShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* RegistryPath = "C:\\Windows\\Velmar-Registry.reg";

class PosixShell : public testing::Test {
 protected:
  TempDrive drive;
  PosixFileSystem& fs = dynamic_cast<PosixFileSystem&>(drive.fs());

  std::string host(const std::string& windowsPath) { return fs.hostPath(windowsPath).value(); }
  std::string read(const std::string& path) { return ReadFileContents(fs, path, 1 << 20).value_or("(missing)"); }

  // A shell script standing in for a program: it writes its arguments, one a
  // line in brackets, and then its working folder into T:\out.txt.
  void writeProgram(const std::string& relative) {
    const std::string out = host(drive.path("")) + "/out.txt";
    drive.writeFile(relative,
                    "#!/bin/sh\nfor a in \"$@\"; do echo \"[$a]\"; done > '" + out + "'\npwd >> '" + out + "'\n");
    chmod(host(drive.path(relative)).c_str(), 0755);
  }

  std::string runAndRead(Processes& processes, const std::string& commandLine) {
    fs.deleteFile(drive.path("out.txt"));
    auto process = processes.Start(commandLine, WindowShow::Normal);
    if (!process) return "(not started)";
    EXPECT_TRUE(process->Wait(20000));
    EXPECT_EQ(process->ExitCode(), 0u);
    return drive.exists("out.txt") ? drive.readFile("out.txt") : "(no output)";
  }
};

}  // namespace

TEST_F(PosixShell, TheRegistryIsARegeditFileInTheWindowsFolder) {
  EXPECT_EQ(DefaultRegistryFile(fs), RegistryPath);
  auto reg = MakePosixRegistry(fs, DefaultRegistryFile(fs), "anna");
  EXPECT_EQ(reg->ReadString(RootKey::CurrentUser, ShellFolders, "Desktop"), "C:\\Users\\anna\\Desktop");
  EXPECT_FALSE(fs.attributes(RegistryPath));  // reading writes nothing

  ASSERT_TRUE(reg->WriteString(RootKey::LocalMachine, "Software\\Kravo\\Velmar", "Path", "C:\\Velmar\\"));
  ASSERT_TRUE(reg->WriteString(RootKey::ClassesRoot, ".vpr", "", "VelmarProject"));
  // The shell folders are written with the first change.
  EXPECT_NE(read(RegistryPath).find("\"Programs\"=\"C:\\\\Users\\\\anna"), std::string::npos);
  EXPECT_FALSE(fs.attributes(std::string(RegistryPath) + ".new"));

  // Another registry object on the same file sees it all; roots stay apart.
  auto again = MakePosixRegistry(fs, RegistryPath, "anna");
  EXPECT_EQ(again->ReadDefault(RootKey::ClassesRoot, ".VPR"), "VelmarProject");
  EXPECT_FALSE(again->KeyExists(RootKey::CurrentUser, "Software\\Kravo"));
}

TEST_F(PosixShell, ProgramsAreFoundTheWayWindowsFindsThem) {
  auto processes = MakePosixProcesses(fs);
  writeProgram("Velmar Programme\\VelmarPM.exe");
  writeProgram("Extras\\Setup.exe");
  const std::string pwd = host(drive.path("")) + "\n";
  // Unquoted with a blank, as the project manager's registration starts it.
  EXPECT_EQ(runAndRead(*processes, drive.path("Velmar Programme\\VelmarPM.exe /regserver")), "[/regserver]\n" + pwd);
  // Upper-cased, as the extra install commands are, and ".exe" left out.
  EXPECT_EQ(runAndRead(*processes, "T:\\EXTRAS\\SETUP /Q \"A B\""), "[/Q]\n[A B]\n" + pwd);
  // A name without a folder: the current folder, then the host's PATH.
  ASSERT_TRUE(fs.setCurrentFolder(drive.path("Extras")));
  EXPECT_EQ(runAndRead(*processes, "setup.exe x"), "[x]\n" + host(drive.path("Extras")) + "\n");
}

TEST_F(PosixShell, LockFilesOfDeadProgramsDoNotCount) {
  const std::string folder = std::filesystem::path(drive.hostRoot()) / "locks";
  auto mutexes = MakePosixMutexes(folder);
  auto held = mutexes->Create("rmVel_Velmar_Run_Mutex");
  ASSERT_TRUE(held);
  struct stat st;
  ASSERT_EQ(stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  const std::string lock = folder + "/rmVel_Velmar_Run_Mutex.lock";
  EXPECT_EQ(access(lock.c_str(), F_OK), 0);
  held.reset();
  EXPECT_NE(access(lock.c_str(), F_OK), 0);  // the last holder removes it

  // A file left behind by a program that died holds no lock.
  close(open((folder + "/rmVel_Stale_Run_Mutex.lock").c_str(), O_CREAT | O_WRONLY, 0600));
  EXPECT_FALSE(mutexes->Exists("rmVel_Stale_Run_Mutex"));
  // A lock taken by anyone, though, counts.
  const int other = open((folder + "/rmVel_Other_Run_Mutex.lock").c_str(), O_CREAT | O_RDWR, 0600);
  ASSERT_EQ(flock(other, LOCK_SH), 0);
  EXPECT_TRUE(mutexes->Exists("rmVel_Other_Run_Mutex"));
  close(other);
  EXPECT_FALSE(mutexes->Exists("rmVel_Other_Run_Mutex"));
}

}  // namespace velmar::platform
