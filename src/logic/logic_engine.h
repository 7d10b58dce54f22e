// SPDX-License-Identifier: MIT
#pragma once
// The human-style logic engine: solves a puzzle step by step the way a
// person does, always taking the easiest step it finds, and rates the
// puzzle on the Sudoku Explainer scale.
//
// Responsibilities:
//  - the next step on a board (the techniques in order of their rating:
//    singles, locked candidates, subsets, fish, wings, uniqueness, BUG,
//    chains, forcing chains; 16 x 16 boards up to the wings);
//  - applying a step;
//  - the whole path of a puzzle and its ratings: ER (the hardest step), EP
//    (the hardest step up to the first placement) and ED (the first step).
//
//   const Path path = SolvePath(9, puzzle);
//   if (path.solved) std::printf("%d.%d\n", path.er / 10, path.er % 10);

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "logic/logic_board.h"
#include "logic/step.h"

namespace gridora::logic {

using Digits = std::array<std::uint8_t, kMaxCells>;

// The easiest step on `board`; nothing when no technique of the engine
// applies (or the board is solved or broken).
std::optional<Step> NextStep(const LogicBoard& board);

// Places and removes what `step` says.
void ApplyStep(LogicBoard& board, const Step& step);

struct Path {
  std::vector<Step> steps;
  bool solved = false;  // false: the engine stopped with cells left
  int er = 0;           // tenths; 0 when nothing was needed
  int ep = 0;
  int ed = 0;
  // The technique of the hardest step (the first one of that rating).
  std::optional<Technique> hardest;
};

// The path of `puzzle` (0 empty, 1 to N) from its givens to the end.
Path SolvePath(int boardSize, const Digits& puzzle);
// The same from a board with candidates of its own.
Path SolvePath(LogicBoard board);

}  // namespace gridora::logic
