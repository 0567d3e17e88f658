#include "faults/fault_sweep.h"

namespace velmar::test {

// Under Wine a run takes seconds: the calls are sampled, the native build
// fails every one.
int DefaultFaultRuns() { return 20; }

}  // namespace velmar::test
