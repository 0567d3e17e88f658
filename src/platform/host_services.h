#pragma once
// Every operating-system service of the machine this program runs on, built
// once by a program's entry point.

#include <memory>

#include "platform/services.h"

namespace velmar::platform {

class HostServices {
 public:
  HostServices();
  ~HostServices();
  HostServices(const HostServices&) = delete;
  HostServices& operator=(const HostServices&) = delete;

  Services& services() { return *services_; }

  struct Parts;

 private:
  std::unique_ptr<Parts> parts_;
  std::unique_ptr<Services> services_;
};

}  // namespace velmar::platform
