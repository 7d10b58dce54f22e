// SPDX-License-Identifier: MIT
#pragma once
// Writes the arguments a program was started with, one a line, to the file
// named by $GRIDORA_ARGV_RECORD, through a rename so that a reader never
// sees half of them. Returns the process exit status.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace gridora::testing {

inline int RecordArguments(int argc, char** argv) {
  const char* record = std::getenv("GRIDORA_ARGV_RECORD");
  if (record == nullptr) return 2;
  const std::string temp = std::string(record) + ".part";
  {
    std::ofstream out(temp, std::ios::binary);
    for (int i = 0; i < argc; ++i) out << argv[i] << '\n';
    if (!out) return 1;
  }
  return std::rename(temp.c_str(), record) == 0 ? 0 : 1;
}

}  // namespace gridora::testing
