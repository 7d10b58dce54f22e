// SPDX-License-Identifier: MIT
#pragma once
// The end of a solve that did not stop at the tenth solution: the outcome
// message, the write-back of partial results, and the yellow marks of the
// answer slots.

#include <array>
#include <string>

#include "solver/solver.h"

namespace gridora {

inline constexpr const char* kTooManyText = "解が多すぎます";

struct FinishInput {
  int boardSize;      // N
  int solutionCount;  // 0 to 9
  SolveState state;
  int level;       // SolveLevel
  int cell;        // scan position: where the candidates ran out
  bool showLevel;  // LPrintMode
};

// Builds outcome.message and, with no solution, writes the fixed cells of
// `grid` (CellDigit per cell) back into outcome.board in colour class 1. With
// solutions, marks outcome.answers: cells that differ between them, and after
// a search that gave up, the cells `settled` (MaskDigit of the last base
// state) holds fixed.
void FinishSolve(const FinishInput& input, const std::array<std::string, 8>& messages,
                 const std::array<int, kMaxCells>& grid, const std::array<int, kMaxCells>& settled,
                 SolveOutcome& outcome);

// "( x =  5, y =  1)" on 9 x 9, "( x =12, y = 3 )" on 16 x 16.
std::string LocationText(int cell, int boardSize);

// Colour class 2 for every cell whose digit differs between answer slots 1
// to `count`, in all of them.
void MarkDifferences(std::array<BoardCodes, kSlotCount>& answers, int count, int cells);

}  // namespace gridora
