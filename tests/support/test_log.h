// SPDX-License-Identifier: MIT
#pragma once
// The tests' log sink: the program's log lines are kept while a test runs
// and printed only when the test fails, so a passing run prints nothing.
//
//   int main(int argc, char** argv) {
//     ::testing::InitGoogleTest(&argc, argv);
//     gridora::testing::KeepLogPerTest();
//     return RUN_ALL_TESTS();
//   }

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "core/log.h"

namespace gridora::testing {

// The lines logged since the current test began.
std::vector<std::string> LoggedLines();

// Installs the sink and a listener that prints a failed test's lines.
void KeepLogPerTest();

}  // namespace gridora::testing
