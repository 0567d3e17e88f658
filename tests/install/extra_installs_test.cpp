#include "install/extra_installs.h"

#include <gtest/gtest.h>

#include "support/child_modes.h"
#include "support/installer_test_context.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Outcome;
using ui::script::ParseAnswerFile;
using ui::script::ScriptHost;

TEST(ExtraInstalls, CommandsAreUpperCasedAndTheFirstOfEachMacroReplaced) {
  const ExtraFolders folders{"D:\\Medium\\Extras", "C:\\Windows\\", "C:\\Windows\\System32\\", "C:\\Velmar Test"};
  const struct {
    const char* line;
    std::optional<std::string> command;
  } cases[] = {
      {"1=run [extras]SETUP.EXE /q", "RUN D:\\Medium\\Extras\\SETUP.EXE /Q"},
      {"2=COPY [EXTRAS]a.dll [EXTRAS]b.dll", "COPY D:\\Medium\\Extras\\A.DLL [EXTRAS]B.DLL"},
      {"3=COPY [extras]Lib.dll [winsys]Lib.dll", "COPY D:\\Medium\\Extras\\LIB.DLL C:\\Windows\\System32\\LIB.DLL"},
      {"4=copy x [VELMAR]x [WINDOWS]", "COPY X C:\\Velmar Test\\X C:\\Windows\\"},
      {"=RUN a b", "=RUN A B"},
      {"RUN a", "RUN A"},
      {";5=RUN a b", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpandExtraCommand(c.line, folders), c.command) << c.line;
}

struct ExtraRun {
  explicit ExtraRun(const std::string& answers) : host(ParseAnswerFile(answers)) {
    t.session.MediumRoot = t.drive.path("Medium\\");
    t.session.SetupIniPath = t.drive.path("Medium\\Setup.ini");
  }
  bool Run() {
    bool done = false;
    outcome = host.Run([&] {
      done = RunExtraInstalls(t.app);
      return Outcome::Finished;
    });
    return done;
  }
  ScriptHost host;
  test::InstallerTestContext t{host};
  Outcome outcome = Outcome::Failed;
};

TEST(ExtraInstalls, RunAndCopyInOrderReportingWhatFailedAndGoingOn) {
  ExtraRun run("answer \"ERROR copying\" OK\nanswer \"ERROR executing\" OK\n");
  const bool nt = run.t.system->isNtFamily();
  run.t.drive.writeFile("Medium\\Setup.ini",
                        std::string("[") + (nt ? "9x_Install" : "NT_Install") + "]\r\n1=COPY [EXTRAS]a.dll [VELMAR]w.dll\r\n[" +
                            (nt ? "NT_Install" : "9x_Install") +
                            "]\r\n1=COPY \"[EXTRAS]My File.dll\" [VELMAR]Lib.dll\r\n"
                            "2=copy [EXTRAS]missing.dll [VELMAR]x.dll\r\n;3=RUN [EXTRAS]Tool.exe\r\n"
                            "4=run [EXTRAS]Tool.exe /q\r\n5=RUN [EXTRAS]Missing.exe\r\n6=MOVE a b\r\n");
  run.t.drive.writeFile("Medium\\Extras\\My File.dll", "library");
  run.t.drive.makeFolder("Velmar");
  test::PlaceStandIn(run.t.drive, "Medium\\Extras\\Tool.exe", "exit:0");
  EXPECT_FALSE(run.Run());
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
  EXPECT_EQ(run.t.drive.readFile("Velmar\\Lib.dll"), "library");
  EXPECT_FALSE(run.t.drive.exists("Velmar\\w.dll"));  // the other platform's list
  const std::string extras = run.t.drive.path("Medium\\Extras\\");
  EXPECT_EQ(run.t.processes.commandLines(),
            (std::vector<std::string>{extras + "TOOL.EXE /Q", extras + "MISSING.EXE"}));
  EXPECT_EQ(run.t.drive.readFile("Medium\\Extras\\Tool.exe.args"), "/Q\n");
  const std::string transcript = run.host.TranscriptText();
  EXPECT_NE(transcript.find("  | ERROR copying \n  | " + extras + "MISSING.DLLto\n  | " + run.t.drive.path("Velmar\\X.DLL")),
            std::string::npos)
      << transcript;
  const std::string log = run.t.drive.readFile("Velmar\\Install.log");
  for (const std::string& line :
       {" : Extra install: COPY \"" + extras + "MY FILE.DLL\" -to- " + run.t.drive.path("Velmar\\LIB.DLL"),
        " : ERROR copying >" + extras + "MISSING.DLL< -to- >" + run.t.drive.path("Velmar\\X.DLL") + "<",
        " : Extra install: RUN " + extras + "TOOL.EXE /Q", " : ERROR executing " + extras + "MISSING.EXE"})
    EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
}

TEST(ExtraInstalls, AMissingSectionRunsNothing) {
  ExtraRun run("");
  run.t.drive.writeFile("Medium\\Setup.ini", "[Config]\r\nLanguage=1\r\n");
  EXPECT_TRUE(run.Run());
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
  EXPECT_TRUE(run.t.processes.started().empty());
}

}  // namespace
}  // namespace velmar
