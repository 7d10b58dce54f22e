// SPDX-License-Identifier: MIT
// The core tests' entry point: Google Test with the log kept per test.

#include "support/test_log.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  gridora::testing::KeepLogPerTest();
  return RUN_ALL_TESTS();
}
