#include <stdlib.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "faults/fault_sweep.h"
#include "platform/posix/posix_shell_services.h"

namespace velmar::test {

// With the drives in memory a run takes a hundredth of a second: every call
// of a flow fails in turn.
int DefaultFaultRuns() { return 4000; }

namespace {

constexpr const char* MemoryFolder = "/dev/shm";

// Files can be made there and given the attributes the port keeps.
bool KeepsAttributes(const char* folder) {
  std::string probe = std::string(folder) + "/velmar-probe-XXXXXX";
  const int fd = ::mkstemp(probe.data());
  if (fd < 0) return false;
  const bool kept = ::fsetxattr(fd, "user.DOSATTRIB", "0x2", 3, 0) == 0;
  ::close(fd);
  ::unlink(probe.c_str());
  return kept;
}

}  // namespace

// The drives are made below the folder TMPDIR names.
std::shared_ptr<void> DrivesInMemory() {
  if (!KeepsAttributes(MemoryFolder)) return nullptr;
  const char* value = ::getenv("TMPDIR");
  std::shared_ptr<void> restore(nullptr, [before = std::string(value ? value : "")](void*) {
    before.empty() ? ::unsetenv("TMPDIR") : ::setenv("TMPDIR", before.c_str(), 1);
  });
  ::setenv("TMPDIR", MemoryFolder, 1);
  return restore;
}

std::vector<std::string> RegistryFiles(InstallerFixture& f) { return {platform::DefaultRegistryFile(f.drive.fs())}; }

}  // namespace velmar::test
