#include "services/shell/browse_folder.h"

#include <gtest/gtest.h>

#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Outcome;
using ui::script::Script;
using ui::script::ScriptHost;

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
  browser.Directory = "C:\\VelProj";
  browser.RootFolder = foMyComputer;
  std::vector<bool> results;
  host.Run([&] {
    results.push_back(browser.Execute(host));
    results.push_back(browser.Execute(host));
    browser.Directory = std::string(3, 'C') + ":\\" + std::string(TBrowseFolder::MaxPath, 'x');
    browser.RootFolder = foDesktopExpanded;
    results.push_back(browser.Execute(host));
    return Outcome::Finished;
  });
  EXPECT_EQ(results, (std::vector<bool>{false, true, true}));
  EXPECT_EQ(browser.Directory + "|" + browser.SelectedPath(), "E:\\|E:\\");
  ASSERT_EQ(host.asked.size(), 3u);
  EXPECT_EQ(host.asked[0].startFolder, "C:\\VelProj");
  EXPECT_EQ(host.asked[0].rootFolder, 17);
  EXPECT_EQ(host.asked[2].startFolder, "");  // too long to name a folder
  EXPECT_EQ(host.asked[2].rootFolder, std::nullopt);
}

}  // namespace
}  // namespace velmar
