// The running-program guard on the port's real mutexes, held by this test
// program and by children, under names private to each test.

#include "session/running_program_guard.h"

#include <gtest/gtest.h>

#include "text/language_support.h"
#include "support/fixture/installer_fixture.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using ui::Key;
using ui::script::Outcome;
using Broadcasts = std::vector<std::pair<uintptr_t, intptr_t>>;

TEST(RunningProgramGuard, AProgramRunningInAnotherProcessIsSeenUntilItEnds) {
  InstallerFixture f;
  LanguageSupport texts(f.files, f.MediumRoot());
  RunningProgramGuard guard(f.mutexes);
  EXPECT_EQ(guard.RunningProgramMessage(texts), std::nullopt);

  const auto sms = f.HoldMutexInChild(GuardedPrograms[4].MutexName, 20000);
  EXPECT_EQ(guard.RunningProgramMessage(texts), "Cannot install !\r\nSMS Server is running !");
  sms->Terminate();
  sms->Wait(10000);
  EXPECT_EQ(guard.RunningProgramMessage(texts), std::nullopt);
  // Testing creates nothing.
  EXPECT_FALSE(f.mutexes.Exists(GuardedPrograms[0].MutexName));
}

// A run holds the installer mutex until its end; one started while another
// runs starts normally, announces nothing and lets its handle go.
TEST(RunningProgramGuard, ARunHoldsTheInstallerMutexUntilItsEndUnlessAnotherHoldsIt) {
  for (bool another : {false, true}) {
    InstallerFixture f;
    f.WriteStandardMedium();
    const auto other = another ? f.HoldMutexInChild(InstallerMutexName, 20000) : nullptr;
    bool heldDuringTheRun = false;
    f.onPageShown = [&](const ui::Page& page) {
      if (page.ClassName() == "TSelectForm") heldDuringTheRun = f.mutexes.Exists(InstallerMutexName);
    };
    const auto run = f.Run(test::ToSelection().Key(Key::Escape));
    EXPECT_EQ(run.outcome, Outcome::Finished) << run.transcript << run.endMessage;
    EXPECT_TRUE(heldDuringTheRun);
    EXPECT_EQ(f.mutexes.Exists(InstallerMutexName), another);  // the other one runs on
    EXPECT_EQ(f.mutexes.Broadcasts, (another ? Broadcasts{{7, 1000}} : Broadcasts{{7, 55}, {7, 1000}}));
    EXPECT_EQ(f.mutexes.RegisteredMessage, "VelmarSystem_Mutex_Changed");
    if (!other) continue;
    other->Terminate();
    other->Wait(10000);
    EXPECT_FALSE(f.mutexes.Exists(InstallerMutexName));
  }
}

}  // namespace
}  // namespace velmar
