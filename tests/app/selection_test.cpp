// The function selection: which lines a medium and a machine offer, the keys
// of the page, and a function given on the command line.

#include <gtest/gtest.h>

#include "support/fixture/installer_fixture.h"

namespace velmar {
namespace {

using test::ControlLine;
using test::InstallerFixture;
using test::PageBlock;
using ui::Key;
using ui::script::Outcome;
using ui::script::Script;

// What the user sees of one line of the page.
enum class Line { Hidden, Disabled, Enabled };

Line LineState(const std::string& line) {
  if (line.empty()) return Line::Hidden;
  return line.ends_with(", disabled") ? Line::Disabled : Line::Enabled;
}

Line Shown(const test::InstallerRun& run, const std::string& control) {
  return LineState(ControlLine(PageBlock(run.transcript, "TSelectForm"), control));
}

test::InstallerRun LeaveAtOnce(InstallerFixture& f) {
  auto run = f.Run(test::ToSelection().Key(Key::Escape));
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.transcript << run.endMessage;
  return run;
}

// What counts as a release, patch, project or tool is the medium scan's test;
// here, that a line follows what the scan found, and that uninstalling needs
// the record, the folder and the project manager.
TEST(Selection, WhatTheMediumOrTheMachineLacksDisablesOrHidesItsLine) {
  using Setup = std::function<void(InstallerFixture&)>;
  const struct {
    const char* what;
    Setup setup;
    const char* control;
    Line expected;
  } cases[] = {
      {"Velmar\\ without releases", [](InstallerFixture& f) { f.drive.makeFolder("Medium\\Velmar"); }, "InstallRB",
       Line::Disabled},
      {"Patch\\ without archives", [](InstallerFixture& f) { f.WriteMediumFile("Patch\\Fix.txt", "x"); }, "PatchRB",
       Line::Hidden},
      {"Projects\\ without project files", [](InstallerFixture& f) { f.WriteMediumFile("Projects\\a.txt", "x"); },
       "ProjectRB", Line::Disabled},
      {"no readme", [](InstallerFixture& f) { f.files.deleteFile(f.MediumPath("Readme.txt")); }, "ViewRB",
       Line::Disabled},
      {"an empty Tools\\", [](InstallerFixture& f) { f.drive.makeFolder("Medium\\Tools"); }, "ExploreRB",
       Line::Disabled},
      {"installed", [](InstallerFixture& f) { f.InstallProductAt("Plant\\Velmar"); }, "UninstallRB", Line::Enabled},
      {"no record", [](InstallerFixture& f) { f.WriteFile(f.drive.path("Velmar\\VelmarPM.exe"), "x"); }, "UninstallRB",
       Line::Disabled},
      {"the folder is gone", [](InstallerFixture& f) { f.WriteInstallRecord(f.drive.path("Gone\\")); }, "UninstallRB",
       Line::Disabled},
      {"VelmarPM.exe is a folder",
       [](InstallerFixture& f) {
         f.drive.makeFolder("Velmar\\VelmarPM.exe");
         f.WriteInstallRecord(f.drive.path("Velmar\\"));
       },
       "UninstallRB", Line::Disabled},
  };
  for (const auto& c : cases) {
    InstallerFixture f;
    f.WriteStandardMedium();
    c.setup(f);
    EXPECT_EQ(Shown(LeaveAtOnce(f), c.control), c.expected) << c.what;
  }
}

TEST(Selection, KeysOfDisabledOrHiddenLinesAndEnterWithoutChoiceDoNothing) {
  InstallerFixture f;
  f.WriteStandardMedium();  // no release, patch, projects, tools or product
  Script script = test::ToSelection();
  script.Key(Key::F2).Key(Key::F3).Key(Key::F4).Key(Key::F5).Key(Key::F7).Key(Key::F8).Key(Key::Enter);
  script.Key(Key::F1).Key(Key::F9).Key(Key::Escape);
  const auto run = f.Run(script);
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.endMessage;
  EXPECT_EQ(test::TimesShown(run.transcript, "TSelectForm"), 1);
  EXPECT_EQ(test::TimesShown(run.transcript, "TWarnAdminForm"), 1);
  // Nothing changed on the page between the keys: only the actions are listed.
  EXPECT_TRUE(test::Contains(run.transcript, "> key F2\n> key F3\n> key F4\n> key F5\n> key F7\n> key F8\n"
                                             "> key Enter\n> key F1\n> key F9\n> key Esc\n"))
      << run.transcript;
}

TEST(Selection, ADamagedProgramFileIsReportedAndTheRunGoesOn) {
  InstallerFixture f;
  f.WriteStandardMedium();
  f.WriteProgram({3, 4, 10, 7});
  std::string program = f.ProgramBytes();
  program[program.size() - 3] ^= 0x20;
  f.SetProgramBytes(program);
  Script script;
  script.Answer("program file is damaged", ui::Answer::Ok);
  const auto run = f.Run(script.Page("TLanguageForm").Click("CancelBtn"));
  EXPECT_EQ(run.outcome, Outcome::Cancelled) << run.transcript << run.endMessage;
  ASSERT_FALSE(test::Messages(run.transcript).empty());
  EXPECT_TRUE(test::Contains(test::Messages(run.transcript)[0], f.MediumPath("Setup.exe")));
}

TEST(CommandLineRun, AFunctionRunsOnceWithoutLanguagePageOrSelectionAndF0ShowsTheSelection) {
  InstallerFixture f;
  f.WriteStandardMedium();
  const auto run = f.Run(Script().Page("TReadmeViewForm").Click("CloseBtn"), {"/F6"});
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.transcript << run.endMessage;
  for (const char* page : {"TLanguageForm", "TWarnAdminForm", "TSelectForm"})
    EXPECT_EQ(test::TimesShown(run.transcript, page), 0) << page;

  Script script;  // no language page; after F6 the loop goes on
  script.Page("TWarnAdminForm").Click("OkBtn").Page("TSelectForm").Key(Key::F6).Page("TReadmeViewForm").Key(Key::Escape);
  EXPECT_EQ(f.Run(test::BackToSelection(script).Key(Key::Escape), {"/F0"}).outcome, Outcome::Finished);
}

}  // namespace
}  // namespace velmar
