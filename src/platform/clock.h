#pragma once
// Local time as the operating system's time zone rules give it. Zip archives
// keep most item times as a local date and time without a zone.

#include "base/file_types.h"
#include "base/timestamp.h"

namespace velmar::platform {

// The instant at which the local clock showed `local`; the fields must be in
// their ranges (month 1..12, day valid for the month, hour 0..23 ...).
FileTime LocalTimeToFileTime(const LocalDateTime& local);
LocalDateTime FileTimeToLocal(FileTime time);
FileTime CurrentFileTime();

}  // namespace velmar::platform
