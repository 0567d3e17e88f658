#include "platform/posix/files/errno_to_windows.h"

#include <cerrno>

namespace velmar::platform {

int WindowsErrorFromErrno(int errnoValue) {
  switch (errnoValue) {
    case 0: return 0;
    case ENOENT: return 2;        // ERROR_FILE_NOT_FOUND
    case ENOTDIR: return 3;       // ERROR_PATH_NOT_FOUND
    case EMFILE: case ENFILE: return 4;  // ERROR_TOO_MANY_OPEN_FILES
    case EACCES: case EPERM: case EISDIR: return 5;  // ERROR_ACCESS_DENIED
    case ENOMEM: return 8;        // ERROR_NOT_ENOUGH_MEMORY
    case EROFS: return 19;        // ERROR_WRITE_PROTECT
    case EXDEV: return 17;        // ERROR_NOT_SAME_DEVICE
    case EBUSY: case ETXTBSY: return 32;  // ERROR_SHARING_VIOLATION
    case EEXIST: return 80;       // ERROR_FILE_EXISTS
    case EINVAL: return 87;       // ERROR_INVALID_PARAMETER
    case ENOSPC: case EDQUOT: return 112;  // ERROR_DISK_FULL
    case ENOTEMPTY: return 145;   // ERROR_DIR_NOT_EMPTY
    case ENAMETOOLONG: return 206;  // ERROR_FILENAME_EXCED_RANGE
    case EIO: return 1117;        // ERROR_IO_DEVICE
    default: return 31;           // ERROR_GEN_FAILURE
  }
}

}  // namespace velmar::platform
