#include "faults/fault_sweep.h"

namespace velmar::test {

// Natively a run takes a tenth of a second: every call of a flow fails in turn.
int DefaultFaultRuns() { return 4000; }

}  // namespace velmar::test
