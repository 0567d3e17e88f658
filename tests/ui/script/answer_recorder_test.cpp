#include "ui/script/answer_recorder.h"

#include <gtest/gtest.h>

#include "platform/files/file_contents.h"
#include "support/files/memory_file_system.h"
#include "ui/host_contract.h"

namespace velmar::ui::script {
namespace {

using contract::TNameForm;
using contract::TPickForm;

TEST(AnswerRecorder, TheFileOnDiskIsCompleteAfterEachPageSoARunEndedHalfWayLeavesWhatWasDone) {
  test::MemoryFileSystem files;
  AnswerRecorder recorder(files, "C:\\Recorded.txt", {"heading"});
  ASSERT_TRUE(recorder.Start());
  ScriptHostOptions options;
  options.recorder = &recorder;
  // The script ends while the pick page waits, as a run that is killed there.
  ScriptHost host(ParseAnswerFile("page TNameForm\n type NameEdit \"a\"\n click NextBtn\npage TPickForm\n"
                                  " click AskBtn\n answer \"exists\" Yes\n"),
                  options);
  std::vector<std::string> events;
  TNameForm name(host, events);
  TPickForm pick(host);
  std::vector<std::string> onDisk;
  pick.AskBtn.OnClick = [&] {
    onDisk.push_back(platform::ReadFileContents(files, "C:\\Recorded.txt").value_or(""));
    host.ShowMessage("Overwrite ?\r\nIt exists.", "Overwrite file", MessageIcon::Question, YesNoButtons);
    onDisk.push_back(platform::ReadFileContents(files, "C:\\Recorded.txt").value_or(""));
  };
  EXPECT_EQ(host.Run([&] {
    name.Execute("");
    pick.ShowModal();
    return Outcome::Finished;
  }),
            Outcome::Stopped);
  ASSERT_EQ(onDisk.size(), 2u);
  EXPECT_EQ(onDisk[0], "# heading\r\npage TNameForm\r\n  type NameEdit \"a\"\r\n  click NextBtn\r\n");
  EXPECT_EQ(onDisk[1], onDisk[0] + "page TPickForm\r\n  click AskBtn\r\nanswer \"Overwrite ?\" Yes\r\n");

  // A file that cannot be written is told at the start and at the end.
  AnswerRecorder nowhere(files, "C:\\Missing\\Recorded.txt", {});
  EXPECT_FALSE(nowhere.Start());
  EXPECT_FALSE(nowhere.Finish());
}

}  // namespace
}  // namespace velmar::ui::script
