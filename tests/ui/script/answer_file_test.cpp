#include "ui/script/answer_file.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "support/files/memory_file_system.h"

namespace velmar::ui::script {
namespace {

std::vector<std::string> Described(const Script& script) {
  std::vector<std::string> lines;
  for (const auto& step : script.Steps()) lines.push_back(std::to_string(step.line) + " " + step.Describe());
  return lines;
}

TEST(AnswerFile, ReadsEveryKindOfStep) {
  auto script = ParseAnswerFile(
      "\xEF\xBB\xBF# Velmar with the defaults\r\n"
      "PAGE TLanguageForm\r\n"
      "  select LangRG \"Français\"   # a comment after a step\r\n"
      "  Click ContinueBtn\r\n"
      "\r\n"
      "page TMainInstallForm\n"
      "\ttype VelPathEdit \"D:\\Velmar \"\"new\"\" #2\"\n"
      "  type PrjNameEdit \"\"\n"
      "  check DemoCB\n"
      "  uncheck AutostartCB\n"
      "  select PrjTree \"Site\" \"Job.zip : [Job.VPR]\"\n"
      "  double-click LB \"Plant\"\n"
      "  key esc\n"
      "  key F6\n"
      "answer \"Cannot find\" yestoall\n"
      "browse \"C:\\Velmar\"\n"
      "browse CANCEL");
  EXPECT_EQ(Described(script),
            (std::vector<std::string>{"2 page TLanguageForm", "3 select LangRG \"Français\"", "4 click ContinueBtn",
                                      "6 page TMainInstallForm", "7 type VelPathEdit \"D:\\Velmar \"\"new\"\" #2\"",
                                      "8 type PrjNameEdit \"\"", "9 check DemoCB", "10 uncheck AutostartCB",
                                      "11 select PrjTree \"Site\" \"Job.zip : [Job.VPR]\"", "12 double-click LB \"Plant\"",
                                      "13 key Esc", "14 key F6", "15 answer \"Cannot find\" YesToAll",
                                      "16 browse \"C:\\Velmar\"", "17 browse cancel"}));
  EXPECT_EQ(script.Steps()[4].texts[0], "D:\\Velmar \"new\" #2");
}

void ExpectError(const std::string& text, const std::string& message) {
  try {
    ParseAnswerFile(text);
    ADD_FAILURE() << "no error for: " << text;
  } catch (const InstallerError& error) {
    EXPECT_EQ(error.what(), message);
  }
}

TEST(AnswerFile, MistakesNameTheirLine) {
  ExpectError("page A\nclik OkBtn", "Answer file, line 2: unknown command \"clik\"");
  ExpectError("\n\ntype Edit1 Plant", "Answer file, line 3: write it as: type <edit> \"<text>\"");
  ExpectError("type E \"Plant 1", "Answer file, line 1: a text has no closing double quote");
  ExpectError("type E \"a\"b", "Answer file, line 1: a blank must follow the closing double quote");
  ExpectError("key F13", "Answer file, line 1: unknown key \"F13\"");
  ExpectError("# ok\ntype E \"Gr\xFC\xDF" "e\"", "Answer file, line 2: the line is not UTF-8 text");
  // A carriage return that does not end the line, in a name or a text.
  const std::string control = ": the line holds a control character (such as a carriage return inside it)";
  ExpectError("page A\r\nanswer \"x\ry\" OK\r\n", "Answer file, line 2" + control);
}

TEST(AnswerFile, IsReadThroughTheFileSystemAndNamedInErrors) {
  test::MemoryFileSystem files;
  files.addFile("C:\\Answers\\F2.txt", std::string(5000, ' ') + "\npage TSelectForm\nkey F2\n");
  files.addFile("C:\\Answers\\Bad.txt", "key F0");
  EXPECT_EQ(ReadAnswerFile(files, "C:\\Answers\\F2.txt").Steps().size(), 2u);
  try {
    ReadAnswerFile(files, "C:\\Answers\\Bad.txt");
    ADD_FAILURE();
  } catch (const InstallerError& error) {
    EXPECT_STREQ(error.what(), "Answer file C:\\Answers\\Bad.txt, line 1: unknown key \"F0\"");
  }
  EXPECT_THROW(ReadAnswerFile(files, "C:\\Answers\\Missing.txt"), InstallerError);
  EXPECT_TRUE(ParseAnswerFile("\xEF\xBB\xBF\n  # nothing\n\t\n").Steps().empty());
}

}  // namespace
}  // namespace velmar::ui::script
