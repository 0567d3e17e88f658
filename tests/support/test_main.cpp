// Entry of the test program. Started with "--child=<mode>", or as a stand-in
// copy, it is not a test run but the child that a process or mutex test
// started (support/child_modes.h).

#include <gtest/gtest.h>

#include <string_view>

#include "support/child_modes.h"

int main(int argc, char** argv) {
  if (argc >= 2 && std::string_view(argv[1]).starts_with(velmar::test::ChildSwitch))
    return velmar::test::RunChild(std::string_view(argv[1]).substr(velmar::test::ChildSwitch.size()), argc - 2,
                                  argv + 2);
  if (const auto code = velmar::test::RunAsStandIn(argc, argv)) return *code;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
