#include "platform/clock.h"

#include "platform/win32/windows_api.h"

namespace velmar::platform {
namespace {

FileTime FromFILETIME(const FILETIME& ft) {
  return FileTime((uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
}

FILETIME ToFILETIME(FileTime time) {
  FILETIME ft;
  ft.dwLowDateTime = DWORD(uint64_t(time) & 0xFFFFFFFFu);
  ft.dwHighDateTime = DWORD(uint64_t(time) >> 32);
  return ft;
}

}  // namespace

FileTime LocalTimeToFileTime(const LocalDateTime& local) {
  SYSTEMTIME localTime{};
  localTime.wYear = WORD(local.year);
  localTime.wMonth = WORD(local.month);
  localTime.wDay = WORD(local.day);
  localTime.wHour = WORD(local.hour);
  localTime.wMinute = WORD(local.minute);
  localTime.wSecond = WORD(local.second);
  // The zone rules of that date, not today's offset (LocalFileTimeToFileTime).
  SYSTEMTIME utc{};
  FILETIME ft{};
  if (!TzSpecificLocalTimeToSystemTime(nullptr, &localTime, &utc) || !SystemTimeToFileTime(&utc, &ft))
    return 0;
  return FromFILETIME(ft);
}

LocalDateTime FileTimeToLocal(FileTime time) {
  FILETIME ft = ToFILETIME(time);
  SYSTEMTIME utc{}, local{};
  if (!FileTimeToSystemTime(&ft, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
    return {};
  return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

FileTime CurrentFileTime() {
  FILETIME ft{};
  GetSystemTimeAsFileTime(&ft);
  return FromFILETIME(ft);
}

}  // namespace velmar::platform
