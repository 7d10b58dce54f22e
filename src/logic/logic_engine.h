// SPDX-License-Identifier: MIT
#pragma once
// The human-style logic engine: solves a puzzle step by step the way a
// person does, always taking the easiest step it finds, and rates the
// puzzle on the Sudoku Explainer scale.
//
// Responsibilities:
//  - the next step on a board: the techniques are tried in the order the
//    scale's reference rater tries them (singles and the direct techniques,
//    locked candidates, subsets, fish, strong links, XY- and XYZ-Wings,
//    unique rectangles, WXYZ- to UVWXYZ-Wings, BUG, cycles and forcing
//    chains, Nishio, multiple and dynamic forcing chains, then dynamic ones
//    that go through locked candidates, pairs and X-Wings); of one kind the
//    easiest step is taken. 16 x 16 boards get the techniques up to the
//    XYZ-Wing and the quads. When none applies the path stops, unsolved;
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

inline constexpr int kNoCeiling = 1000;

// The easiest step on `board`; nothing when no technique of the engine
// applies (or the board is solved or broken), or when the easiest step is
// rated above `ceiling` (tenths).
std::optional<Step> NextStep(const LogicBoard& board, int ceiling = kNoCeiling);

// Places and removes what `step` says. A direct technique (a pointing, a
// claiming or a hidden subset that leaves a single) only places its single:
// the removals that lead to it are told, not made, as players rate them.
void ApplyStep(LogicBoard& board, const Step& step);
// Whether `technique` is one of those direct ones.
bool PlacesOnly(Technique technique);

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
// With a `ceiling`, the path stops (unsolved) before a step rated above it.
Path SolvePath(int boardSize, const Digits& puzzle, int ceiling = kNoCeiling);
// The same from a board with candidates of its own.
Path SolvePath(LogicBoard board, int ceiling = kNoCeiling);

}  // namespace gridora::logic
