#pragma once
#include <string>

#include "platform/system.h"

namespace velmar {

// "dd/mm/yyyy hh:nn:ss", whatever the regional settings say: the log, the
// installation record and Setup.ini all use this form.
std::string FormatTimestamp(const platform::LocalDateTime& t);

}  // namespace velmar
