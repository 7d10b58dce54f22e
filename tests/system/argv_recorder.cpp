// SPDX-License-Identifier: MIT
// A stand-in for a viewer or a system-information program: it records the
// arguments it was started with (see argv_record.h).

#include "system/argv_record.h"

int main(int argc, char** argv) {
  return gridora::testing::RecordArguments(argc, argv);
}
