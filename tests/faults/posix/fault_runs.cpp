#include "faults/fault_sweep.h"
#include "platform/posix/posix_shell_services.h"

namespace velmar::test {

// Natively a run takes a tenth of a second: every call of a flow fails in turn.
int DefaultFaultRuns() { return 4000; }

std::vector<std::string> RegistryFiles(InstallerFixture& f) { return {platform::DefaultRegistryFile(f.drive.fs())}; }

}  // namespace velmar::test
