#pragma once
// Item times: the exact UTC time of an extra field, else the MS-DOS date and
// time, which is the local time of the machine that made the archive.

#include "platform/clock.h"
#include "services/zip/zip_item.h"

namespace velmar {

// Fields out of their range (month 0, second 60 ...) are brought into it.
platform::LocalDateTime DosDateTimeToLocal(uint16_t date, uint16_t time);

platform::FileTime ItemWriteTime(const TAbArchiveItem& item);

}  // namespace velmar
