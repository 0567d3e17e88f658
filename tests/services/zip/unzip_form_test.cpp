#include "services/zip/unzip_form.h"

#include <gtest/gtest.h>

#include "support/fixture/installer_fixture.h"
#include "support/fixture/installer_test_context.h"
#include "support/zip_writer.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using test::BuildZip;
using test::ZipEntry;
using ui::script::Outcome;
using ui::script::ParseAnswerFile;
using ui::script::ScriptHost;

struct Archive {
  std::string name;
  std::string bytes;  // empty: no file
};

// The dialogs on the test's drive, played by an answer file: each archive is
// unpacked into Out\ with or without the overwrite question.
struct UnzipRun {
  explicit UnzipRun(const std::string& answers) : host(ParseAnswerFile(answers)) {}

  std::vector<int> Unpack(const std::vector<Archive>& archives, bool askOverwrite) {
    std::vector<int> results;
    outcome = host.Run([&] {
      for (const Archive& archive : archives) {
        if (!archive.bytes.empty()) t.drive.writeFile("Media\\" + archive.name, archive.bytes);
        results.push_back(form.Execute("Installing", t.drive.path("Media\\" + archive.name), t.drive.path("Out"),
                                       askOverwrite));
        complete.push_back(form.Complete());
      }
      return Outcome::Finished;
    });
    EXPECT_EQ(outcome, Outcome::Finished) << host.EndMessage();
    return results;
  }
  bool Has(const std::string& text) const { return host.TranscriptText().find(text) != std::string::npos; }

  ScriptHost host;
  test::InstallerTestContext t{host};
  TOverwriteDlg overwrite{t.app};
  TUnzipForm form{t.app, overwrite};
  std::vector<bool> complete;
  Outcome outcome = Outcome::Failed;
};

const std::string ThreeFiles = BuildZip({{"a.txt", "new a"}, {"sub/b.txt", "new b"}, {"c.txt", "new c"}});

TEST(UnzipForm, WritesEveryItemTalliesTheListAndClosesByItself) {
  UnzipRun run("page TUnzipForm\npage TUnzipForm\n");
  run.t.drive.writeFile("Out\\a.txt", "old a");
  EXPECT_EQ(run.Unpack({{"R.zip", ThreeFiles}, {"Empty.zip", BuildZip({})}}, false), (std::vector<int>{0, 0}));
  // Replaced without a question.
  EXPECT_EQ(run.t.drive.readFile("Out\\a.txt") + "|" + run.t.drive.readFile("Out\\sub\\b.txt"), "new a|new b");
  EXPECT_TRUE(run.Has("    (3 lines)\n")) << run.host.TranscriptText();
  EXPECT_EQ(run.form.FilesLB.Items.size(), 2u);  // an empty archive: the two header lines
  EXPECT_EQ(run.complete, (std::vector<bool>{true, true}));
}

// Yes to all holds for one archive; No to all keeps the files and the run
// complete; Cancel stops the rest.
TEST(UnzipForm, ToAllAnswersHoldForOneArchiveAndCancelStopsTheRest) {
  std::string answers;
  for (const char* button : {"YesToAllBtn", "NoToAllBtn", "CancelBtn"})
    answers += std::string("page TUnzipForm\npage TOverwriteDlg\nclick ") + button + "\n";
  UnzipRun run(answers);
  for (const char* name : {"a.txt", "sub\\b.txt", "c.txt"}) run.t.drive.writeFile(std::string("Out\\") + name, "old");
  const std::string second = BuildZip({{"a.txt", "2nd a"}, {"d.txt", "2nd d"}});
  const std::string third = BuildZip({{"a.txt", "3rd a"}, {"e.txt", "3rd e"}});
  EXPECT_EQ(run.Unpack({{"R.zip", ThreeFiles}, {"S.zip", second}, {"T.zip", third}}, true), (std::vector<int>{0, 0, 0}));
  // No to all, then Cancel, kept a.txt.
  EXPECT_EQ(run.t.drive.readFile("Out\\a.txt") + "|" + run.t.drive.readFile("Out\\c.txt") + "|" + run.t.drive.readFile("Out\\d.txt"),
            "new a|new c|2nd d");
  EXPECT_FALSE(run.t.drive.exists("Out\\e.txt"));          // nothing after the Cancel
  EXPECT_EQ(run.complete, (std::vector<bool>{true, true, false}));
}

TEST(UnzipForm, AMissingOrUnreadableArchiveIsSaidInTheListAndWaitsForCancel) {
  UnzipRun run("page TUnzipForm\nclick CancelBtn\npage TUnzipForm\nclick CancelBtn\n");
  EXPECT_EQ(run.Unpack({{"Missing.zip", ""}, {"Bad.zip", "this is no zip archive"}}, false),
            (std::vector<int>{-1, -1}));
  EXPECT_TRUE(run.Has("    - ERROR: File could not be found !\n"));
  EXPECT_TRUE(run.Has("Bad.zip\" cannot be read")) << run.host.TranscriptText();
  EXPECT_EQ(run.complete, (std::vector<bool>{false, false}));
  EXPECT_TRUE(test::Contains(run.t.drive.readFile("Velmar\\Install.log"),
                             "ERROR: Archive not found : " + run.t.drive.path("Media\\Missing.zip")));
}

TEST(UnzipForm, AFailedItemIsOneErrorLineAndTheRestIsWritten) {
  ZipEntry bad{"bad.txt", "data"};
  bad.crc = 1234;
  UnzipRun run("page TUnzipForm\n");
  run.Unpack({{"R.zip", BuildZip({{"a.txt", "a"}, bad, {"c.txt", "c"}})}}, false);
  EXPECT_TRUE(run.Has("    (2 lines)\n    - ERROR: bad.txt : CRC error")) << run.host.TranscriptText();
  EXPECT_EQ(run.form.FailedItems(), 1);
  EXPECT_EQ(run.complete, std::vector<bool>{false});
}

}  // namespace
}  // namespace velmar
