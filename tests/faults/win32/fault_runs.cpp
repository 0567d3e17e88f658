#include "faults/fault_sweep.h"

namespace velmar::test {

// Under Wine a run takes seconds: the calls are sampled, the native build
// fails every one.
int DefaultFaultRuns() { return 20; }

std::shared_ptr<void> DrivesInMemory() { return nullptr; }

// The test's registry is a key of the real registry, no file of the drive.
std::vector<std::string> RegistryFiles(InstallerFixture&) { return {}; }

}  // namespace velmar::test
