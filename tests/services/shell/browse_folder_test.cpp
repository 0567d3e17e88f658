#include "services/shell/browse_folder.h"

#include <gtest/gtest.h>

#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Outcome;
using ui::script::Script;
using ui::script::ScriptHost;

TEST(MinimizePath, ShortPathsAndPathsOfFewPartsStayAsTheyAre) {
  const std::string exactly35 = "C:\\Programme\\Velmar\\Projekte\\An.vpr";
  ASSERT_EQ(exactly35.size(), 35u);
  EXPECT_EQ(MinimizePath(exactly35), exactly35);
  EXPECT_EQ(MinimizePath("C:\\Velmar"), "C:\\Velmar");
  EXPECT_EQ(MinimizePath(""), "");
  const std::string twoParts = "C:\\" + std::string(60, 'x');
  EXPECT_EQ(MinimizePath(twoParts), twoParts);
  const std::string onePart(50, 'y');
  EXPECT_EQ(MinimizePath(onePart), onePart);
}

TEST(MinimizePath, TheSecondPartGivesWayFirstThenThePartsAfterIt) {
  // 36 characters: one too many, and "..." in place of "Programme" is enough.
  EXPECT_EQ(MinimizePath("C:\\Programme\\Velmar\\Projekte\\Ant.vpr"), "C:\\...\\Velmar\\Projekte\\Ant.vpr");
  // drive, A, B, C, file: first drive\...\B\C\file, then drive\...\C\file.
  const std::string a(10, 'a'), b(10, 'b'), c(10, 'c');
  EXPECT_EQ(MinimizePath("D:\\" + std::string(20, 'a') + "\\bbbbb\\ccccc\\file.txt"), "D:\\...\\bbbbb\\ccccc\\file.txt");
  const std::string longB(20, 'b');
  EXPECT_EQ(MinimizePath("D:\\" + a + "\\" + longB + "\\" + c + "\\file.txt"), "D:\\...\\" + c + "\\file.txt");
  // Down to drive, "..." and the name, which may still be too long.
  const std::string longName(40, 'n');
  EXPECT_EQ(MinimizePath("D:\\" + a + "\\" + b + "\\" + c + "\\" + longName), "D:\\...\\" + longName);
  // Three parts: only the second can go.
  EXPECT_EQ(MinimizePath("D:\\" + std::string(30, 'm') + "\\" + longName), "D:\\...\\" + longName);
}

TEST(MinimizePath, CountsCharactersNotBytes) {
  const std::string umlauts = "C:\\Büro\\Größe\\Übung\\Ä\\Ö\\Ü\\äääääääää";  // 35 characters, 51 bytes
  EXPECT_EQ(MinimizePath(umlauts), umlauts);
  EXPECT_EQ(MinimizePath(umlauts + "ä"), "C:\\...\\Größe\\Übung\\Ä\\Ö\\Ü\\ääääääääää");
  EXPECT_EQ(MinimizePath("C:\\Büro\\x\\y", 5), "C:\\...\\y");
}

TEST(BrowseFolder, DefaultsAndTheExtraButtonsWidth) {
  TBrowseFolder browser;
  EXPECT_EQ(browser.Directory, "");
  EXPECT_EQ(browser.Flags, uint32_t(bfFileSysDirsOnly | bfStatusText));
  EXPECT_EQ(browser.Flags, 5u);
  EXPECT_FALSE(browser.ShowPathInStatusArea);
  EXPECT_EQ(browser.RootFolder, foDesktopExpanded);
  EXPECT_FALSE(browser.CustomButtonVisible);
  EXPECT_TRUE(browser.CustomButtonEnabled);
  EXPECT_EQ(browser.CustomButtonType, btPushButton);
  EXPECT_EQ(browser.CustomButtonWidth(), 75);
  browser.SetCustomButtonWidth(120);
  EXPECT_EQ(browser.CustomButtonWidth(), 120);
  browser.SetCustomButtonWidth(0);
  EXPECT_EQ(browser.CustomButtonWidth(), 75);
  browser.SetCustomButtonWidth(-5);
  EXPECT_EQ(browser.CustomButtonWidth(), 75);
  EXPECT_EQ(int(foMyComputer), 17);
  EXPECT_EQ(int(foTemplates), 21);
  EXPECT_EQ(uint32_t(bfBrowseForPrinter), 0x2000u);
}

// Keeps what the dialog was asked for.
class OptionsHost : public ScriptHost {
 public:
  using ScriptHost::ScriptHost;
  using ScriptHost::BrowseForFolder;
  std::optional<std::string> BrowseForFolder(const ui::BrowseOptions& options) override {
    asked.push_back(options);
    return ScriptHost::BrowseForFolder(options);
  }
  std::vector<ui::BrowseOptions> asked;
};

TEST(BrowseFolder, ExecuteAsksTheHostAndKeepsTheFolderOnlyWhenConfirmed) {
  OptionsHost host(Script().CancelBrowse().Browse("D:\\Plant 1").Browse("E:\\"));
  TBrowseFolder browser;
  browser.Title = "Folder for your project data files";
  browser.Directory = "C:\\VelProj";
  browser.RootFolder = foMyComputer;
  std::vector<std::string> events;
  browser.OnInitialized = [&](TBrowseFolder& b) { events.push_back("open " + b.Directory); };
  browser.OnSelectionChanged = [&](TBrowseFolder&, const std::string& path) { events.push_back("at " + path); };
  std::vector<bool> results;
  EXPECT_EQ(host.Run([&] {
    results.push_back(browser.Execute(host));
    results.push_back(browser.Execute(host));
    browser.Directory = std::string(3, 'C') + ":\\" + std::string(TBrowseFolder::MaxPath, 'x');
    browser.RootFolder = foDesktopExpanded;
    results.push_back(browser.Execute(host));
    return Outcome::Finished;
  }),
            Outcome::Finished)
      << host.EndMessage();
  EXPECT_EQ(results, (std::vector<bool>{false, true, true}));
  EXPECT_EQ(browser.Directory, "E:\\");
  EXPECT_EQ(browser.SelectedPath(), "E:\\");
  EXPECT_EQ(events, (std::vector<std::string>{"open C:\\VelProj", "open C:\\VelProj", "at D:\\Plant 1",
                                              "open " + std::string(3, 'C') + ":\\" + std::string(260, 'x'),
                                              "at E:\\"}));
  ASSERT_EQ(host.asked.size(), 3u);
  EXPECT_EQ(host.asked[0].title, "Folder for your project data files");
  EXPECT_EQ(host.asked[0].startFolder, "C:\\VelProj");
  EXPECT_EQ(host.asked[0].flags, 5u);
  EXPECT_EQ(host.asked[0].rootFolder, 17);
  EXPECT_EQ(host.asked[2].startFolder, "");  // too long to name a folder
  EXPECT_EQ(host.asked[2].rootFolder, std::nullopt);
  EXPECT_EQ(host.TranscriptText().rfind(
                "folder browser \"Folder for your project data files\", start \"C:\\VelProj\"\n> browse cancel\n", 0),
            0u)
      << host.TranscriptText();
}

}  // namespace
}  // namespace velmar
