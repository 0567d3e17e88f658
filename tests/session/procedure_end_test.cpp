#include "session/procedure_end.h"

#include <gtest/gtest.h>

#include "support/installer_test_context.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Outcome;

TEST(ProcedureEnd, AFailedStepReplacesTheFinishedTextAndMarksTheRun) {
  // The last run logs first and then moves to another product folder: the
  // message names the log the run writes to.
  for (int run : {0, 1, 2}) {
    const bool failed = run > 0;
    ui::script::ScriptHost host(ui::script::ParseAnswerFile(failed ? "answer \"errors\" OK\n" : "answer \"Installation finished\" OK\n"));
    test::InstallerTestContext t(host);
    t.drive.makeFolder("Velmar");
    if (run == 2) {
      t.app.LogLine("Start patch install :");
      t.session.VelmarPath = t.drive.path("Other\\");
    }
    EXPECT_EQ(host.Run([&] {
      ShowProcedureEnd(t.app, "Installation finished", failed);
      return Outcome::Finished;
    }), Outcome::Finished) << host.EndMessage();
    EXPECT_EQ(t.session.StepFailed, failed);
    const std::string shown = failed ? "Finished with errors !\r\nSome steps failed; they are listed in the log file\r\n" +
                                           t.drive.path("Velmar\\Install.log")
                                     : "Installation finished";
    EXPECT_NE(t.drive.readFile("Velmar\\Install.log").find(" : " + shown + "\r\n"), std::string::npos) << failed;
  }
}

}  // namespace
}  // namespace velmar
