// SPDX-License-Identifier: MIT
#include "support/test_log.h"

#include <cstdio>

namespace gridora::testing {

namespace {

std::mutex mutex;
std::vector<std::string> lines;

void Keep(LogArea area, std::string_view line) {
  const std::lock_guard lock(mutex);
  lines.push_back(std::string("gridora.") + LogAreaName(area) + ": " + std::string(line));
}

class PrintOnFailure : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    const std::lock_guard lock(mutex);
    lines.clear();
  }
  void OnTestEnd(const ::testing::TestInfo& test) override {
    if (!test.result()->Failed()) return;
    const std::lock_guard lock(mutex);
    for (const std::string& line : lines) std::fprintf(stderr, "[log] %s\n", line.c_str());
  }
};

}  // namespace

std::vector<std::string> LoggedLines() {
  const std::lock_guard lock(mutex);
  return lines;
}

void KeepLogPerTest() {
  SetLogSink(&Keep);
  ::testing::UnitTest::GetInstance()->listeners().Append(new PrintOnFailure);
}

}  // namespace gridora::testing
