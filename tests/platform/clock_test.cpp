#include "platform/clock.h"

#include <gtest/gtest.h>

#include <array>

namespace velmar::platform {
namespace {

TEST(Clock, LocalTimesRoundTripInWinterAndSummer) {
  for (LocalDateTime local : {LocalDateTime{2021, 1, 15, 8, 30, 0}, LocalDateTime{2021, 7, 15, 23, 59, 58},
                              LocalDateTime{1980, 1, 1, 0, 0, 0}, LocalDateTime{2107, 12, 31, 12, 0, 0}}) {
    LocalDateTime back = FileTimeToLocal(LocalTimeToFileTime(local));
    EXPECT_EQ((std::array{back.year, back.month, back.day, back.hour, back.minute, back.second}),
              (std::array{local.year, local.month, local.day, local.hour, local.minute, local.second}));
  }
  FileTime instant = 132908439680000000;  // 2022-03-04 05:06:08 UTC
  EXPECT_EQ(LocalTimeToFileTime(FileTimeToLocal(instant)), instant);
  EXPECT_GT(CurrentFileTime(), instant);
}

}  // namespace
}  // namespace velmar::platform
