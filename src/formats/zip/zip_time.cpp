#include "formats/zip/zip_time.h"

#include <algorithm>

namespace velmar {

LocalDateTime DosDateTimeToLocal(uint16_t date, uint16_t time) {
  static constexpr int DaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  LocalDateTime local;
  local.year = 1980 + (date >> 9);
  local.month = std::clamp((date >> 5) & 15, 1, 12);
  bool leap = local.year % 4 == 0 && (local.year % 100 != 0 || local.year % 400 == 0);
  int monthDays = local.month == 2 && !leap ? 28 : DaysInMonth[local.month - 1];
  local.day = std::clamp(date & 31, 1, monthDays);
  local.hour = std::min(time >> 11, 23);
  local.minute = std::min((time >> 5) & 63, 59);
  local.second = std::min((time & 31) * 2, 58);
  return local;
}

}  // namespace velmar
