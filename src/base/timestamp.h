#pragma once
#include <string>

namespace velmar {

// A date and time on the local clock, as the system shows it.
struct LocalDateTime {
  int year = 1601, month = 1, day = 1;  // month and day from 1
  int hour = 0, minute = 0, second = 0;
};

// "dd/mm/yyyy hh:nn:ss", whatever the regional settings say: the log, the
// installation record and Setup.ini all use this form.
std::string FormatTimestamp(const LocalDateTime& t);

}  // namespace velmar
