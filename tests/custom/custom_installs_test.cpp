// The custom installs of the medium as start-up reads them, and the page
// that chooses among several.

#include <gtest/gtest.h>

#include "custom/custom_installs.h"
#include "custom/custom_select_form.h"
#include "install/page_run.h"
#include "support/files/temp_drive.h"
#include "support/zip_writer.h"

namespace velmar {
namespace {

using ui::script::Script;

struct Medium {
  Medium() {
    s.MediumRoot = drive.path("Medium\\");
    s.HasCustomFolder = true;
  }
  void Ini(const std::string& text) { drive.writeFile("Medium\\Custom\\Custom.ini", text); }
  void Load() { LoadCustomInstalls(drive.fs(), CodePage::Cp1252, s); }
  test::TempDrive drive;
  InstallSession s;
};

const char* const OneInstall =
    "[CustomInstalls]\r\nA=Plant\r\n[Plant]\r\nType=%s\r\nFolder=Plant\r\nTitle44=Plant install\r\n"
    "Title49=%s\r\nLogo=%s\r\nTransparent=1\r\nProjectName=Line\r\nShortcutName=Line link\r\n";

std::string OneIni(const char* type, const char* title49, const char* logo) {
  char text[512];
  std::snprintf(text, sizeof text, OneInstall, type, title49, logo);
  return text;
}

TEST(LoadCustomInstalls, OneInstallIsCheckedAndGivesTheCaptionByLanguage) {
  Medium m;
  m.Ini(OneIni("Brenta", "Anlage", "Logo.bmp") + "Title33=Usine\r\n");
  m.drive.writeFile("Medium\\Custom\\Plant\\Logo.bmp", "BM");
  m.Load();
  EXPECT_TRUE(m.s.HasCustomInstalls);
  const CustomInstallRecord& c = m.s.Custom;
  EXPECT_EQ(c.Type + "|" + c.ProjectName + "|" + c.ShortcutName, "BRENTA|Line|Line link");
  EXPECT_EQ(c.FolderPath, m.drive.path("Medium\\Custom\\Plant\\"));
  EXPECT_EQ(c.LogoPath, m.drive.path("Medium\\Custom\\Plant\\Logo.bmp"));
  EXPECT_TRUE(c.LogoTransparent);
  const std::pair<int, const char*> captions[] = {{0, "Anlage"}, {1, "Plant install"}, {2, "Usine"}, {3, "Plant install"}};
  for (const auto& [language, caption] : captions) {
    m.s.LanguageIndex = language;
    EXPECT_EQ(CustomTitle(m.s), caption) << language;
  }
}

TEST(LoadCustomInstalls, RefusesAnUnusableOnlyInstallButKeepsItsStartUpNames) {
  struct Case {
    const char* type;
    const char* title49;
    bool folderFilled;
    bool accepted;
  } cases[] = {{"BRENTA", "Anlage", true, true}, {"Other", "Anlage", true, false}, {"", "Anlage", true, false},
               {"BRENTA", "", true, false},  // neither German nor French title
               {"BRENTA", "Anlage", false, false}};
  for (const Case& c : cases) {
    Medium m;
    m.Ini(OneIni(c.type, c.title49, "Missing.bmp"));
    if (c.folderFilled) m.drive.writeFile("Medium\\Custom\\Plant\\a.vdr", "x");
    else m.drive.makeFolder("Medium\\Custom\\Plant");
    m.Load();
    EXPECT_EQ(m.s.HasCustomInstalls, c.accepted) << c.type << c.title49 << c.folderFilled;
    EXPECT_EQ(m.s.Custom.ProjectName, "Line");
    EXPECT_TRUE(m.s.Custom.LogoPath.empty());
  }
}

// The folder is a path of plain names below Custom\: one that climbs out to
// a folder that is there, names a drive or a device is refused, as the
// medium check refuses it with the same words.
TEST(LoadCustomInstalls, AFolderThatLeadsOutOfCustomIsRefused) {
  for (const char* folder : {"..\\..\\Data\\Line7", "Plant\\..\\..\\..\\Data\\Line7", "T:\\Data\\Line7",
                             "\\Data\\Line7", "CON", "Plant\\"}) {
    SCOPED_TRACE(folder);
    Medium m;
    m.drive.writeFile("Data\\Line7\\notes.txt", "the user's notes");
    m.drive.writeFile("Medium\\Custom\\Plant\\Line7.vpr", "[Project]\r\n");
    std::string ini = OneIni("BRENTA", "Anlage", "");
    ini.replace(ini.find("Folder=Plant"), 12, std::string("Folder=") + folder);
    m.Ini(ini);
    m.Load();
    EXPECT_FALSE(m.s.HasCustomInstalls);
    EXPECT_FALSE(CustomFolderExists(m.drive.fs(), m.s, folder));
    EXPECT_TRUE(CustomInstallRefusal(m.drive.fs(), m.s, {"BRENTA", folder, "T", "T"}).starts_with("its folder \""));
  }
  Medium m;
  m.drive.writeFile("Medium\\Custom\\Plant\\Sub\\Line7.vpr", "[Project]\r\n");
  EXPECT_TRUE(CustomFolderExists(m.drive.fs(), m.s, "Plant\\Sub"));
}

TEST(LoadCustomInstalls, SeveralInstallsAreOfferedUncheckedAndNoneWithoutTheFolderOrFile) {
  Medium m;
  m.Ini("[CustomInstalls]\r\nx=One\r\ny=Two\r\n");
  m.Load();
  EXPECT_TRUE(m.s.HasCustomInstalls);
  EXPECT_EQ(m.s.CustomInstallList, (std::vector<std::string>{"One", "Two"}));
  m.s.HasCustomFolder = false;
  m.Load();
  EXPECT_FALSE(m.s.HasCustomInstalls);
  m.s.HasCustomFolder = true;
  m.Ini("[Other]\r\na=b\r\n");
  m.Load();
  EXPECT_FALSE(m.s.HasCustomInstalls);
}

TEST(HasCustomProject, FindsAPlainProjectOrOneInsideAnArchive) {
  test::TempDrive drive;
  drive.writeFile("A\\Logo.bmp", "BM");
  drive.writeFile("A\\Other.zip", test::BuildZip({{"Line1/readme.txt", "r"}}));
  EXPECT_FALSE(HasCustomProject(drive.fs(), drive.path("A")));
  drive.writeFile("A\\Broken.zip", "not an archive");
  EXPECT_FALSE(HasCustomProject(drive.fs(), drive.path("A")));
  drive.writeFile("A\\Project.zip", test::BuildZip({{"A/Line1.vpr", "[Project]"}}));
  EXPECT_TRUE(HasCustomProject(drive.fs(), drive.path("A")));
  drive.writeFile("B\\Line1.VPR", "[Project]");
  EXPECT_TRUE(HasCustomProject(drive.fs(), drive.path("B\\")));
  drive.makeFolder("C\\Sub.vpr");
  EXPECT_FALSE(HasCustomProject(drive.fs(), drive.path("C")));
}

// The choice among several: which lines each language shows, and that a
// line without a project cannot be chosen.
// Plant: a project in an archive, English and German lines. Spare: no project,
// a German line only. Odd: not a BRENTA install. Gone: its folder is missing.
void WriteInstalls(test::InstallerTestContext& t) {
  t.session.MediumRoot = t.drive.path("Medium\\");
  t.session.CustomInstallList = {"Plant", "Spare", "Odd", "Gone"};
  t.drive.writeFile("Medium\\Custom\\Custom.ini",
                    "[CustomInstalls]\r\n1=Plant\r\n2=Spare\r\n3=Odd\r\n4=Gone\r\n"
                    "[Plant]\r\nType=Brenta\r\nFolder=Plant\r\nSelect44=Plant line\r\nSelect49=Anlage\r\nTitle48=Instalacja\r\n"
                    "ProjectName=Line 1\r\nCustomerName=\r\nShortcutName=Line link\r\n"
                    "[Spare]\r\nType=BRENTA\r\nFolder=Spare\r\nSelect49=Ersatz\r\n"
                    "[Odd]\r\nType=Other\r\nFolder=Plant\r\nSelect44=Odd line\r\nSelect49=Anders\r\n"
                    "[Gone]\r\nType=BRENTA\r\nFolder=Gone\r\nSelect44=Gone line\r\nSelect49=Fort\r\n");
  t.drive.writeFile("Medium\\Custom\\Plant\\Plant.zip", test::BuildZip({{"Plant/Line1.VPR", "[Project]\r\n"}}));
  t.drive.writeFile("Medium\\Custom\\Spare\\Readme.txt", "later");
}

TEST(TCustomSelectForm, ListsTheLinesOfTheUsersLanguageAndTakesOnlyOneWithAProject) {
  struct Case {
    int language;
    std::vector<std::string> select;  // lines selected in turn; Next after the last
    const char* listed;               // the list as first shown
    PageResult result;
  } cases[] = {
      {1, {"Plant line"}, "  CustomLB: list box\n    * Plant line\n", prNext},
      {3, {}, "  CustomLB: list box\n    * Plant line\n", prCancel},
      {0, {"Ersatz"}, "  CustomLB: list box\n    * Anlage\n    - Ersatz (maroon)\n", prCancel},
      {2, {}, "  CustomLB: list box, empty\n", prCancel},
  };
  for (const Case& c : cases) {
    Script script = Script().Page("TCustomSelectForm");
    for (const std::string& line : c.select) script.Select("CustomLB", line);
    script.Click(c.result == prNext ? "NextBtn" : "CancelBtn");
    test::PageRun<TCustomSelectForm> run(script);
    WriteInstalls(run.t);
    run.t.session.LanguageIndex = c.language;
    run.t.session.Project = "Before";
    run.t.session.Customer = "Kept?";
    EXPECT_EQ(run.Show([](TCustomSelectForm& page) { return page.Execute(); }), c.result) << c.language;
    EXPECT_TRUE(test::Contains(run.Opened(), c.listed)) << run.Opened();
    if (c.language == 0) {  // the line without a project, selected
      EXPECT_TRUE(test::Contains(run.Transcript(), "NextBtn: button \"_Ok\", disabled\n  CustomLB: list box\n"
                                                   "    - Anlage\n    * Ersatz (red)\n"))
          << run.Transcript();
    }
    if (c.result != prNext) continue;
    const InstallSession& s = run.t.session;
    EXPECT_EQ(s.Custom.FolderPath, run.t.drive.path("Medium\\Custom\\Plant\\"));
    EXPECT_EQ(s.Custom.Title48, "Instalacja");  // the Polish caption of F3 too
    // The customer is read as it stands, empty too.
    EXPECT_EQ(s.Project + "|" + s.Customer + "|" + s.LinkName, "Line 1||Line link");
  }
}

}  // namespace
}  // namespace velmar
