#pragma once
// Named mutexes, which tell the programs of the product which of them run,
// and the broadcast message that announces a change of them.

#include <cstdint>
#include <memory>
#include <string>

namespace velmar::platform {

// A mutex this program holds open; it is released when the object is dropped.
// A named mutex exists while any program holds it.
class HeldMutex {
 public:
  virtual ~HeldMutex() = default;
};

class Mutexes {
 public:
  virtual ~Mutexes() = default;

  // Opens the mutex by name with full access and closes it at once; creates nothing.
  virtual bool Exists(const std::string& name) = 0;
  // Holds an existing mutex too; nothing when no program holds it.
  virtual std::unique_ptr<HeldMutex> Open(const std::string& name) = 0;
  // Creates the mutex (not owned, default security), or holds it too when it
  // exists already; nothing when that fails.
  virtual std::unique_ptr<HeldMutex> Create(const std::string& name) = 0;

  // Registers the change message by name for later broadcasts; the message
  // number, 0 when the registration failed.
  virtual uint32_t RegisterChangeMessage(const std::string& name) = 0;
  // Posts the registered change message to all top-level windows without
  // waiting for them; false when nothing is registered or posting failed.
  virtual bool Broadcast(uintptr_t wParam, intptr_t lParam) = 0;
};

}  // namespace velmar::platform
