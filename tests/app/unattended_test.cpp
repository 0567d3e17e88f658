// Unattended runs as a program's entry makes them: the answer file read and
// the transcript written through the file system of the services, in folders
// whose names hold letters beyond ASCII, and the exit status of each way a
// run can go wrong before or after the installer.

#include "app/unattended.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/fixture/installer_fixture.h"

namespace velmar {
namespace {

using test::Contains;
using test::InstallerFixture;

constexpr std::string_view Answers =
    "page TLanguageForm\n  select LangRG \"Polish\"\n  click ContinueBtn\n"
    "page TWarnAdminForm\n  click OkBtn\npage TSelectForm\n  key Esc\n";

struct Unattended {
  InstallerFixture f;
  UnattendedOptions options;

  Unattended() {
    f.WriteStandardMedium();
    f.WriteLanguage(48);
    options.AnswerFile = f.drive.path("Odpowiedzi żółwia\\Język.txt");
    options.TranscriptFile = f.drive.path("Zapis ąę\\Przebieg.txt");
    options.Echo = false;
    f.WriteFile(options.AnswerFile, Answers);
    f.WriteFile(options.TranscriptFile, "old");
  }
  int Run() {
    f.WriteFile(f.MediumPath("Setup.exe"), f.ProgramBytes());
    f.system.ProgramPath = f.MediumPath("Setup.exe");
    f.system.Files = &f.files;
    return RunUnattended(f.services(), {}, options);
  }
};

// That a recording plays back to the same run is the host contract's test.
TEST(Unattended, TheTranscriptAndTheRecordingAreWritten) {
  Unattended u;
  u.options.RecordFile = u.f.drive.path("Nagrania\\Zapis żółwia.txt");
  u.f.WriteFile(u.options.RecordFile, "old");
  EXPECT_EQ(u.Run(), 0);
  const std::string transcript = u.f.ReadFile(u.options.TranscriptFile).value_or("");
  EXPECT_TRUE(Contains(transcript, "page TSelectForm"));
  EXPECT_TRUE(transcript.ends_with("end: finished\n")) << transcript;
  const std::string recorded = u.f.ReadFile(u.options.RecordFile).value_or("");
  EXPECT_TRUE(recorded.starts_with("# Recorded ")) << recorded;
  EXPECT_TRUE(Contains(recorded, " from the medium " + u.f.MediumPath(""))) << recorded;
  EXPECT_TRUE(recorded.ends_with("page TSelectForm\r\n  key Esc\r\n")) << recorded;
}

TEST(Unattended, WhatGoesWrongAroundTheRunHasItsExitStatus) {
  const struct {
    const char* what;
    std::function<void(Unattended&)> spoil;
    int status;
    bool transcriptWritten;
  } cases[] = {
      {"no answer file", [](Unattended& u) { u.options.AnswerFile += ".missing"; }, 3, false},
      {"a mistake in it", [](Unattended& u) { u.f.WriteFile(u.options.AnswerFile, "key F0\n"); }, 2, false},
      {"no folder for the transcript",
       [](Unattended& u) { u.options.TranscriptFile = u.f.drive.path("Brak\\Przebieg.txt"); }, 3, false},
      {"no folder for the recording",
       [](Unattended& u) { u.options.RecordFile = u.f.drive.path("Brak\\Zapis.txt"); }, 3, false},
      {"a script that stops", [](Unattended& u) { u.f.WriteFile(u.options.AnswerFile, "page TSelectForm\n"); }, 2,
       true},
      {"a recording that cannot be written after its start",
       [](Unattended& u) {
         u.options.RecordFile = u.f.drive.path("Nagrania\\Zapis.txt");
         u.f.WriteFile(u.options.RecordFile, "old");
         u.f.files.addFault({.op = test::FileOp::Replace, .nth = 2, .persistent = true, .pathContains = "Nagrania"});
       },
       3, true},
  };
  for (const auto& c : cases) {
    Unattended u;
    c.spoil(u);
    EXPECT_EQ(u.Run(), c.status) << c.what;
    const std::string transcript = u.f.ReadFile(u.options.TranscriptFile).value_or("");
    EXPECT_EQ(transcript.find("\nend: ") != std::string::npos, c.transcriptWritten) << c.what;
  }
}

}  // namespace
}  // namespace velmar
