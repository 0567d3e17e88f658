#include "platform/registry.h"

namespace velmar::platform {

const char* RootKeyName(RootKey root) {
  switch (root) {
    case RootKey::CurrentUser:
      return "HKEY_CURRENT_USER";
    case RootKey::LocalMachine:
      return "HKEY_LOCAL_MACHINE";
    case RootKey::ClassesRoot:
      break;
  }
  return "HKEY_CLASSES_ROOT";
}

}  // namespace velmar::platform
