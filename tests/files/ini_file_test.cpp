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

  // The message of the error a write raises, "" when it raises none.
  std::string WriteError(TIniFile& ini) {
    try {
      ini.WriteString("Install", "VelmarPath", "D:\\Plant");
    } catch (const InstallerError& e) {
      return e.what();
    }
    return "";
  }
  std::vector<std::string> FolderNames() {
    std::vector<std::string> names;
    for (const auto& e : fs.find(drive.path("*.*"))) {
      if (e.name != "." && e.name != "..") names.push_back(e.name);
    }
    return names;
  }
};

TEST_F(IniFile, AMissingFileReadsAsDefaults) {
  TIniFile ini(fs, path, Western);
  EXPECT_EQ(ini.ReadString("Title", "Title", "Velmar"), "Velmar");
  EXPECT_EQ(ini.ReadInteger("Config", "Language", -1), -1);
  EXPECT_TRUE(ini.ReadBool("ImageBR", "Transparent", true));
  EXPECT_FALSE(ini.SectionExists("Config"));
  EXPECT_TRUE(ini.ReadSection("Config").empty());
  EXPECT_FALSE(drive.exists("Setup.ini"));
}

TEST_F(IniFile, ReadsTypedValuesAsTheProductStoresThem) {
  drive.writeFile("Setup.ini",
                  "[Config]\nLanguage= 2 \nJunk=12abc\n"
                  "[ImageTR]\nTransparent=1\nOff=0\nWord=true\n[Empty]\n");
  TIniFile ini(fs, path, Western);
  EXPECT_EQ(ini.ReadInteger("config", "LANGUAGE", -1), 2);
  EXPECT_EQ(ini.ReadInteger("Config", "Junk", -1), -1);
  EXPECT_TRUE(ini.ReadBool("ImageTR", "Transparent", false));
  EXPECT_FALSE(ini.ReadBool("ImageTR", "Off", true));
  EXPECT_TRUE(ini.ReadBool("ImageTR", "Word", true));
  EXPECT_FALSE(ini.ReadBool("ImageTR", "Word", false));
  EXPECT_TRUE(ini.ValueExists("imagetr", "word"));
  EXPECT_FALSE(ini.ValueExists("ImageTR", "Missing"));
  EXPECT_TRUE(ini.SectionExists("IMAGETR"));
  EXPECT_FALSE(ini.SectionExists("Empty"));  // a section counts when it holds a key
  EXPECT_EQ(ini.ReadSectionValues("ImageTR"),
            (std::vector<std::string>{"Transparent=1", "Off=0", "Word=true"}));
}

// GetPrivateProfileString strips trailing spaces, and only spaces, from the
// default; ReadSection and ReadSectionValues list a repeated key each time.
TEST_F(IniFile, ReadsDefaultsAndRepeatedKeysAsTheProfileFunctions) {
  drive.writeFile("Setup.ini", "[Title]\r\nFont=Arial\r\nFONT=Courier\r\n");
  TIniFile ini(fs, path, Western);
  EXPECT_EQ(ini.ReadString("Title", "Missing", "  Velmar 3.4  "), "  Velmar 3.4");
  EXPECT_EQ(ini.ReadString("Title", "Missing", "tab\t"), "tab\t");
  EXPECT_EQ(ini.ReadString("Title", "Font", "x  "), "Arial");
  EXPECT_EQ(ini.ReadInteger("Title", "Missing", 7), 7);
  EXPECT_EQ(ini.ReadSection("Title"), (std::vector<std::string>{"Font", "FONT"}));
  EXPECT_EQ(ini.ReadSectionValues("Title"), (std::vector<std::string>{"Font=Arial", "FONT=Arial"}));
}

// Where a write goes in the file is the document's; here that it is on disk
// at once, in the code page given, with no temporary file left.
TEST_F(IniFile, WritesGoToDiskAtOnceInTheSystemsCodePage) {
  drive.writeFile("Setup.ini", "[Install]\r\nVelmarPath=C:\\Velmar\r\n");
  TIniFile writer(fs, path, CodePage::Cp1250), reader(fs, path, CodePage::Cp1250);
  writer.WriteString("install", "velmarpath", "D:\\Zakład Łódź\\Żółw");
  writer.WriteInteger("Install", "Count", 3);
  writer.WriteBool("Title", "Transparent", true);
  EXPECT_EQ(drive.readFile("Setup.ini"),
            "[Install]\r\nVelmarPath=D:\\Zak\xB3" "ad \xA3\xF3" "d\x9F\\\xAF\xF3\xB3w\r\nCount=3\r\n"
            "[Title]\r\nTransparent=1\r\n");
  EXPECT_EQ(reader.ReadString("INSTALL", "velmarpath", ""), "D:\\Zakład Łódź\\Żółw");
  EXPECT_EQ(reader.ReadSection("Install"), (std::vector<std::string>{"VelmarPath", "Count"}));
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"Setup.ini"});
}

// Reading and writing ASCII in such a code page is the document's; here the
// errors that name the file, and the file left as it was.
TEST_F(IniFile, ACodePageThatCannotBeConvertedFailsTextBeyondAsciiNamingTheFile) {
  const CodePage japanese{932};
  const std::string before = "[Install]\r\nVelmarPath=C:\\Velmar\r\n";
  drive.writeFile("Setup.ini", before);
  TIniFile ini(fs, path, japanese);
  const std::string expected = path + ": the installer cannot convert letters beyond ASCII in code page 932";
  try {
    ini.WriteString("Install", "VelmarPath", "C:\\Zakład");
    ADD_FAILURE() << "a Polish letter was written in code page 932";
  } catch (const InstallerError& e) {
    EXPECT_EQ(e.what(), "Unable to write to " + expected);
  }
  EXPECT_EQ(drive.readFile("Setup.ini"), before);

  drive.writeFile("Setup.ini", before + "Customer=M\xFCller\r\n");
  try {
    ini.ReadString("Install", "VelmarPath", "");
    ADD_FAILURE() << "a file with a letter beyond ASCII was read in code page 932";
  } catch (const InstallerError& e) {
    EXPECT_EQ(e.what(), "Cannot read " + expected);
  }
  EXPECT_THROW(ini.WriteString("Install", "Count", "1"), InstallerError);
  EXPECT_EQ(drive.readFile("Setup.ini"), before + "Customer=M\xFCller\r\n");
}

TEST_F(IniFile, AWriteThatCannotBeDoneRaisesAndLeavesTheFile) {
  drive.writeFile("Setup.ini", "[Install]\r\nVelmarPath=C:\\Velmar\r\n");
  ASSERT_TRUE(fs.setAttributes(path, attr::ReadOnly));
  TIniFile readOnly(fs, path, Western);
  EXPECT_NE(WriteError(readOnly).find(path), std::string::npos);
  EXPECT_EQ(drive.readFile("Setup.ini"), "[Install]\r\nVelmarPath=C:\\Velmar\r\n");
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"Setup.ini"});

  TIniFile noFolder(fs, drive.path("Missing\\Setup.ini"), Western);
  EXPECT_NE(WriteError(noFolder).find(drive.path("Missing\\Setup.ini")), std::string::npos);
  EXPECT_FALSE(drive.exists("Missing"));

  drive.makeFolder("Folder.ini");
  TIniFile folder(fs, drive.path("Folder.ini"), Western);
  EXPECT_NE(WriteError(folder), "");

  TIniFile ini(fs, drive.path("Other.ini"), Western);
  EXPECT_THROW(ini.WriteString("Install", "Key", "line\r\n[Injected]"), InstallerError);
  EXPECT_FALSE(drive.exists("Other.ini"));
}

TEST_F(IniFile, AWriteFailingInTheMiddleLeavesTheOldFile) {
  const std::string old = "; keep\r\n[Install]\r\nVelmarPath=C:\\Velmar\r\n" + std::string(40000, ';') + "\r\n";
  drive.writeFile("Setup.ini", old);
  for (const test::FaultRule& rule : {
           test::FaultRule{.op = test::FileOp::Write, .shortWrite = true},
           test::FaultRule{.op = test::FileOp::Write},
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

TEST_F(IniFile, AHiddenFileStaysHidden) {
  drive.writeFile("Vel_Inst.ini", "[Install]\r\n");
  ASSERT_TRUE(fs.setAttributes(drive.path("Vel_Inst.ini"), attr::Hidden));
  TIniFile ini(fs, drive.path("Vel_Inst.ini"), Western);
  ini.WriteString("Install", "Velmar", "C:\\Velmar\\");
  EXPECT_EQ(ini.ReadString("Install", "Velmar", ""), "C:\\Velmar\\");
  EXPECT_TRUE(fs.attributes(drive.path("Vel_Inst.ini")).value_or(0) & attr::Hidden);
}

}  // namespace
}  // namespace velmar
