// SPDX-License-Identifier: MIT
// The hint of the logic engine: the easiest next step on the board, told in
// one sentence, with the cells and candidates to draw; and the candidates
// the hints applied so far removed, kept while the board only gains digits.
//
// Responsibilities:
//  - a board that breaks the solution is told first, with the cell to
//    look at (two equal digits in a unit, or a digit the puzzle's solution
//    does not have there);
//  - otherwise the engine's easiest step from the board's digits and the
//    candidates removed so far;
//  - applying a step: its placements for the caller to put on the board,
//    its removals kept here.
//
//   LogicHints hints;
//   LogicHint h = hints.Next(state);      // show h.text, draw h.pattern ...
//   for (auto p : hints.Apply(h)) SetCell(app, p.cell, MakeCode(p.digit, kClassBlack));
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "logic/logic_engine.h"

namespace gridora {

struct LogicHint {
  enum class Kind {
    Step,           // `step` is the easiest next step
    Wrong,          // a digit of the board breaks the solution: `focus`
    Contradiction,  // the board contradicts itself: `focus`
    Complete,       // every cell is filled
    Stuck,          // the engine finds no step
  };
  Kind kind = Kind::Stuck;
  std::optional<logic::Step> step;
  std::string text;                        // "ヒント：..." for the status panel
  std::vector<int> focus;                  // the cells placed, or the cells at fault
  std::vector<int> support;                // the other cells of the pattern
  std::vector<logic::Candidate> pattern;   // the candidates the step rests on
  std::vector<logic::Candidate> removals;  // the candidates it removes
};

class LogicHints {
 public:
  // The hint for the board of `state`.
  LogicHint Next(const AppState& state);
  // Keeps the removals of `hint`'s step and returns its placements.
  std::vector<logic::Candidate> Apply(const LogicHint& hint);
  // The candidates removed by applied hints that still hold on `board`:
  // bit d - 1 of a cell for digit d. Empty once the board lost a digit.
  logic::Mask Removed(const BoardCodes& board, int boardSize, int cell);

 private:
  // Forgets the removals when `board` is not the board they were made on
  // with digits added.
  void Follow(const BoardCodes& board, int boardSize);

  int size_ = 0;
  BoardCodes board_{};
  std::array<logic::Mask, kMaxCells> removed_{};
};

}  // namespace gridora
