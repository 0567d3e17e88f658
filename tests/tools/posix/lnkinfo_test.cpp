// lnkinfo run as a program, in a folder of shortcuts our writer made (what
// the reader makes of other shells' links is its own test's). With
// VELMAR_LNKINFO set, that command runs instead of the tool built beside this
// test, so that the same table checks the Windows build: VELMAR_LNKINFO="wine build/win32/lnkinfo.exe".

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "formats/shell_link.h"
#include "support/files/temp_drive.h"

namespace velmar {
namespace {

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// The file's text with CR LF line ends (a Windows program's) made LF.
std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), {}};
  std::erase(text, '\r');
  return text;
}

struct Result {
  int status = -1;
  std::string out, err;
};

Result RunLnkInfo(const std::string& folder, const std::vector<std::string>& arguments) {
  const char* command = std::getenv("VELMAR_LNKINFO");
  std::string line = "cd " + Quoted(folder) + " && " + (command && *command ? command : Quoted(VELMAR_LNKINFO));
  for (const auto& argument : arguments) line += " " + Quoted(argument);
  line += " >lnkinfo.out 2>lnkinfo.err";
  const int status = std::system(line.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(folder + "lnkinfo.out"),
          ReadText(folder + "lnkinfo.err")};
}

TEST(LnkInfo, ShowsEachShortcutAndNamesTheFilesItCannot) {
  test::TempDrive drive;
  const auto empty = EncodeShellLink({});
  ASSERT_TRUE(empty);
  drive.writeFile("empty.lnk", std::string(empty->begin(), empty->end()));
  drive.writeFile("text.lnk", "[InternetShortcut]\r\nURL=http://example.invalid/\r\n");
  drive.makeFolder("Sub.lnk");

  const struct {
    std::vector<std::string> files;
    int status;
    std::string out, err;
  } cases[] = {
      {{"gone.lnk", "empty.lnk", "text.lnk", "Sub.lnk"},
       1,
       "empty.lnk:\ntarget:\narguments:\nworkdir:\ndescription:\n",
       "lnkinfo: gone.lnk: no such file\nlnkinfo: text.lnk: not a shortcut\nlnkinfo: Sub.lnk: is a folder\n"},
      {{}, 2, "", "usage: lnkinfo FILE...\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.files.empty() ? "no files" : c.files.front());
    const Result result = RunLnkInfo(drive.hostRoot(), c.files);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, c.err);
  }
}

}  // namespace
}  // namespace velmar
