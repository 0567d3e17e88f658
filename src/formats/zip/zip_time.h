#pragma once
// The MS-DOS date and time of an item: the local time of the machine that
// made the archive.

#include <cstdint>

#include "base/timestamp.h"

namespace velmar {

// Fields out of their range (month 0, second 60 ...) are brought into it.
LocalDateTime DosDateTimeToLocal(uint16_t date, uint16_t time);

}  // namespace velmar
