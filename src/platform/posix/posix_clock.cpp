#include "platform/clock.h"

#include <ctime>

namespace velmar::platform {
namespace {

constexpr int64_t TicksPerSecond = 10'000'000;
constexpr int64_t UnixEpochTicks = 116'444'736'000'000'000;  // 1970-01-01 as a FileTime

}  // namespace

FileTime LocalTimeToFileTime(const LocalDateTime& local) {
  std::tm tm{};
  tm.tm_year = local.year - 1900;
  tm.tm_mon = local.month - 1;
  tm.tm_mday = local.day;
  tm.tm_hour = local.hour;
  tm.tm_min = local.minute;
  tm.tm_sec = local.second;
  tm.tm_isdst = -1;  // let the zone rules say whether summer time applied
  time_t seconds = mktime(&tm);
  return UnixEpochTicks + int64_t(seconds) * TicksPerSecond;
}

LocalDateTime FileTimeToLocal(FileTime time) {
  int64_t ticks = time - UnixEpochTicks;
  int64_t seconds = ticks / TicksPerSecond;
  if (ticks % TicksPerSecond < 0) --seconds;
  time_t t = time_t(seconds);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

FileTime CurrentFileTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return UnixEpochTicks + int64_t(now.tv_sec) * TicksPerSecond + now.tv_nsec / 100;
}

}  // namespace velmar::platform
