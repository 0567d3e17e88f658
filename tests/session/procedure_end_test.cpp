#include "session/procedure_end.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include "support/fixture/installer_fixture.h"
#include "support/fixture/installer_test_context.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Outcome;

std::string Entries(test::InstallerTestContext& t) { return test::LogEntries(t.drive.readFile("Velmar\\Install.log")); }

TEST(ProcedureEnd, AFailedStepReplacesTheFinishedTextWithOneEnglishLogLine) {
  // The last run logs first and then moves to another product folder: the
  // message names the log the run writes to. A procedure without a finished
  // log line (a patch, a project) logs nothing when all went well.
  const struct {
    bool failed, moved;
    const char *finishedLog, *logged;
  } cases[] = {
      {false, false, "Installation finished", "Installation finished\n"},
      {false, false, "", ""},
      {true, false, "Installation finished", "Finished with errors, see the lines above\n"},
      {true, true, "", "Start patch install :\nFinished with errors, see the lines above\n"},
  };
  for (const auto& c : cases) {
    ui::script::ScriptHost host(ui::script::ParseAnswerFile(c.failed ? "answer \"errors\" OK\n" : "answer \"Fertig\" OK\n"));
    test::InstallerTestContext t(host);
    t.drive.makeFolder("Velmar");
    if (c.moved) {
      t.app.LogLine("Start patch install :");
      t.session.VelmarPath = t.drive.path("Other\\");
    }
    EXPECT_EQ(host.Run([&] {
      ShowProcedureEnd(t.app, "Fertig", c.finishedLog, c.failed);
      return Outcome::Finished;
    }), Outcome::Finished) << host.EndMessage();
    if (c.failed) {
      EXPECT_NE(host.TranscriptText().find(t.drive.path("Velmar\\Install.log")), std::string::npos) << host.TranscriptText();
    }
    EXPECT_EQ(t.drive.exists("Velmar\\Install.log") ? Entries(t) : "", c.logged) << c.finishedLog;
  }
}

// An error on its way to the general error box leaves its line (one line,
// whatever breaks its message holds) and the separator that closes the flow.
TEST(ProcedureEnd, AnErrorThatEndsTheProcedureIsLoggedBeforeItGoesOn) {
  ui::script::ScriptHost host(ui::script::ParseAnswerFile(""));
  test::InstallerTestContext t(host);
  t.session.VelmarPath = t.drive.path("Velmar");
  t.app.LogLine("Start Velmar install :");
  EXPECT_THROW(RunLoggedProcedure(t.app, [] { throw std::runtime_error("Cannot write C:\\Windows\\Vel_Inst.ini:\r\naccess denied\r\n"); }),
               std::runtime_error);
  RunLoggedProcedure(t.app, [&] { t.app.LogLine("a step"); });
  EXPECT_EQ(Entries(t), "Start Velmar install :\nERROR: Cannot write C:\\Windows\\Vel_Inst.ini: access denied\n"
                        "-\na step\n");
}

}  // namespace
}  // namespace velmar
