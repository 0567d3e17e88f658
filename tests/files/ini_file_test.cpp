#include "files/ini_file.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "support/files/failing_files.h"
#include "support/files/temp_drive.h"

namespace velmar {
namespace {

constexpr CodePage Western = CodePage::Cp1252;

class IniFile : public testing::Test {
 protected:
  test::TempDrive drive;
  platform::FileSystem& fs = drive.fs();
  std::string path = drive.path("Setup.ini");

  // The message of the error raised, "" when none is.
  template <class Action>
  static std::string Error(Action action) {
    try {
      action();
    } catch (const InstallerError& e) {
      return e.what();
    }
    return "";
  }
  static std::string WriteError(TIniFile& ini) {
    return Error([&] { ini.WriteString("Install", "VelmarPath", "D:\\Plant"); });
  }
  std::vector<std::string> FolderNames() {
    std::vector<std::string> names;
    for (const auto& e : fs.find(drive.path("*.*"))) {
      if (e.name != "." && e.name != "..") names.push_back(e.name);
    }
    return names;
  }
};

// Parsing is the document's; here the typed reads, the defaults as the
// profile functions give them (trailing spaces, and only spaces, stripped) and
// ReadSectionValues listing a repeated key each time with the first value.
TEST_F(IniFile, ReadsTypedValuesAndDefaultsAsTheProfileFunctions) {
  TIniFile ini(fs, path, Western);
  EXPECT_EQ(ini.ReadString("Title", "Title", "Velmar"), "Velmar");  // no file at all
  EXPECT_FALSE(ini.SectionExists("Config"));
  EXPECT_FALSE(drive.exists("Setup.ini"));
  drive.writeFile("Setup.ini",
                  "[Config]\nLanguage= 2 \n[ImageTR]\nTransparent=1\nWord=true\n[Empty]\n"
                  "[Title]\r\nFont=Arial\r\nFONT=Courier\r\n");
  EXPECT_EQ(ini.ReadInteger("config", "LANGUAGE", -1), 2);
  EXPECT_TRUE(ini.ReadBool("ImageTR", "Transparent", false));
  EXPECT_FALSE(ini.ReadBool("ImageTR", "Word", false));  // no number: the default
  EXPECT_TRUE(ini.ValueExists("imagetr", "word"));
  EXPECT_FALSE(ini.SectionExists("Empty"));  // a section counts when it holds a key
  EXPECT_EQ(ini.ReadString("Title", "Missing", "  Velmar 3.4  "), "  Velmar 3.4");
  EXPECT_EQ(ini.ReadString("Title", "Font", "x  "), "Arial");
  EXPECT_EQ(ini.ReadSectionValues("Title"), (std::vector<std::string>{"Font=Arial", "FONT=Arial"}));
}

// Where a write goes in the file is the document's; here that it is on disk
// at once, in the code page given, with no temporary file left, and a hidden
// file stays hidden.
TEST_F(IniFile, WritesGoToDiskAtOnceInTheSystemsCodePage) {
  drive.writeFile("Setup.ini", "[Install]\r\nVelmarPath=C:\\Velmar\r\n");
  ASSERT_TRUE(fs.setAttributes(path, attr::Hidden));
  TIniFile writer(fs, path, CodePage::Cp1250), reader(fs, path, CodePage::Cp1250);
  writer.WriteString("install", "velmarpath", "D:\\Zakład Łódź\\Żółw");
  writer.WriteInteger("Install", "Count", 3);
  EXPECT_EQ(drive.readFile("Setup.ini"),
            "[Install]\r\nVelmarPath=D:\\Zak\xB3" "ad \xA3\xF3" "d\x9F\\\xAF\xF3\xB3w\r\nCount=3\r\n");
  EXPECT_EQ(reader.ReadString("INSTALL", "velmarpath", ""), "D:\\Zakład Łódź\\Żółw");
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"Setup.ini"});
  EXPECT_TRUE(fs.attributes(path).value_or(0) & attr::Hidden);
}

// Text beyond ASCII in a code page that cannot be converted is the
// document's; here that the errors name the file and leave it as it was.
TEST_F(IniFile, ACodePageThatCannotBeConvertedFailsNamingTheFile) {
  const std::string before = "[Install]\r\nVelmarPath=C:\\Velmar\r\n";
  drive.writeFile("Setup.ini", before);
  TIniFile ini(fs, path, CodePage{932});
  const std::string written = Error([&] { ini.WriteString("Install", "VelmarPath", "C:\\Zakład"); });
  EXPECT_EQ(written.rfind("Unable to write to " + path, 0), 0u) << written;
  EXPECT_EQ(drive.readFile("Setup.ini"), before);
  drive.writeFile("Setup.ini", before + "Customer=M\xFCller\r\n");
  EXPECT_EQ(Error([&] { ini.ReadString("Install", "VelmarPath", ""); }).rfind("Cannot read " + path, 0), 0u);
  EXPECT_NE(WriteError(ini).find(path), std::string::npos);
  EXPECT_EQ(drive.readFile("Setup.ini"), before + "Customer=M\xFCller\r\n");
}

TEST_F(IniFile, AWriteThatCannotBeDoneRaisesAndLeavesTheFile) {
  drive.writeFile("Setup.ini", "[Install]\r\nVelmarPath=C:\\Velmar\r\n");
  ASSERT_TRUE(fs.setAttributes(path, attr::ReadOnly));
  drive.makeFolder("Folder.ini");
  for (const char* name : {"Setup.ini", "Missing\\Setup.ini", "Folder.ini"}) {
    TIniFile ini(fs, drive.path(name), Western);
    EXPECT_NE(WriteError(ini).find(drive.path(name)), std::string::npos) << name;
  }
  TIniFile ini(fs, drive.path("Other.ini"), Western);
  EXPECT_THROW(ini.WriteString("Install", "Key", "line\r\n[Injected]"), InstallerError);
  EXPECT_EQ(drive.readFile("Setup.ini"), "[Install]\r\nVelmarPath=C:\\Velmar\r\n");
  EXPECT_EQ(FolderNames(), (std::vector<std::string>{"Folder.ini", "Setup.ini"}));  // no "Missing" either
}

TEST_F(IniFile, AWriteFailingInTheMiddleLeavesTheOldFile) {
  const std::string old = "; keep\r\n[Install]\r\nVelmarPath=C:\\Velmar\r\n" + std::string(40000, ';') + "\r\n";
  drive.writeFile("Setup.ini", old);
  for (const test::FaultRule& rule : {
           test::FaultRule{.op = test::FileOp::Write, .shortWrite = true},
           test::FaultRule{.op = test::FileOp::Close, .pathContains = "tmp"},
           test::FaultRule{.op = test::FileOp::Replace},
           test::FaultRule{.op = test::FileOp::Read, .nth = 2},
       }) {
    test::FailingFiles files(fs);
    files.addFault(rule);
    TIniFile ini(files, path, Western);
    EXPECT_NE(WriteError(ini).find(path), std::string::npos) << static_cast<int>(rule.op);
    EXPECT_EQ(files.failures(), 1);
    EXPECT_TRUE(drive.readFile("Setup.ini") == old) << static_cast<int>(rule.op);
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"Setup.ini"});
  }
  // A file that cannot be read reads as defaults.
  test::FailingFiles files(fs);
  files.addFault({.op = test::FileOp::Read, .persistent = true});
  EXPECT_EQ(TIniFile(files, path, Western).ReadString("Install", "VelmarPath", "default"), "default");
}

// A file the system could not tell about is never taken for a new one: its
// other lines stay, whichever query about it failed.
TEST_F(IniFile, AFailedQueryNeverTakesTheFileForANewOne) {
  for (const test::FileOp op : {test::FileOp::Attributes, test::FileOp::OpenRead, test::FileOp::Read}) {
    drive.writeFile("Setup.ini", "[Own]\r\nKeep=1\r\n");
    test::FailingFiles files(fs);
    files.failAt(op, 1);
    TIniFile ini(files, path, Western);
    WriteError(ini);  // raises, or writes the key beside the others
    EXPECT_EQ(drive.readFile("Setup.ini").rfind("[Own]\r\nKeep=1\r\n", 0), 0u) << test::FileOpName(op);
  }
}

}  // namespace
}  // namespace velmar
