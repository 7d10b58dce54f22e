// SPDX-License-Identifier: MIT
#pragma once
// gridora-solve --rate: the logic engine's rating of a puzzle on the Sudoku
// Explainer scale, one line or one JSON object a puzzle, with --steps the
// solving path after it.

#include <string>

#include "solver/puzzle_line.h"

namespace gridora {

struct RateOptions {
  bool rate = false;   // --rate
  bool steps = false;  // --steps
};

inline constexpr const char* kRateUsage =
    "  --rate            rate each puzzle on the Sudoku Explainer scale with the logic\n"
    "                    engine: ER/EP/ED, the hardest technique and the number of steps\n"
    "  --steps           with --rate, the solving path after each puzzle, one step a line\n";

// The rating of `puzzle`: "<puzzle> 7.1/1.2/1.2 forcing chain, 54 steps", a
// "+" after the ER when the engine stopped before the end; with `json` one
// object with "rating", "pearl", "diamond", "technique", "name", "steps"
// and "solved".
std::string RateReport(const PuzzleLine& puzzle, bool json, bool steps);

}  // namespace gridora
