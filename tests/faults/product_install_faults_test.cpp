// The product installation with every file-service call failed in turn: a
// release with sub-folders and the three programs, a new user project as the
// default, the demo project, desktop and Startup shortcuts, over a product
// folder whose Velmar.ini and an installation record with keys of their own
// must keep them.

#include <gtest/gtest.h>

#include "faults/fault_sweep.h"
#include "faults/product_medium.h"

namespace velmar {
namespace {

TEST(Faults, ProductInstallation) {
  test::ExpectPromisesKept({.name = "F2",
                            .prepare = test::WriteProductMedium,
                            .script = test::ProductInstallScript,
                            .places = test::ProductInstallPlaces,
                            .userPresses = {{"TUnzipForm", "CancelBtn"}, {"TMainInstallForm", "NextBtn"}},
                            .mayNotCome = {"TUnzipForm"}},
                           100);
}

}  // namespace
}  // namespace velmar
