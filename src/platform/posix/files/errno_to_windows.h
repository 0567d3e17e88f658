#pragma once
// Windows system error codes for POSIX errno values, for the POSIX ports.

namespace velmar::platform {

int WindowsErrorFromErrno(int errnoValue);

}  // namespace velmar::platform
