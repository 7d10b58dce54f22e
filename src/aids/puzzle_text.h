// SPDX-License-Identifier: MIT
#pragma once
// The puzzle as plain text, for the clipboard.
//
// Written as one line of 81 or 256 characters and a line break: "." for an
// empty cell, "1"-"9", and "A"-"G" for 10 to 16, as gridora-solve reads
// and writes puzzle lines. Only black digits are written (the givens and the user's
// own); the solver's digits count as empty.
//
// Read from the forms people paste: such a line (also with "_" or "*" for
// empty, and whatever gridora-solve ignores after it), or a grid of 9 or 16
// rows of cells between any separators (blanks, "|", ",", lines such as
// "+---+---+" or "------"); a 16 x 16 row may also write its cells as
// numbers between blanks ("10 . 3 16 ..."). Anything else is refused.

#include <optional>
#include <string>
#include <string_view>

#include "core/app.h"

namespace gridora {

struct PuzzleText {
  int boardSize = 9;   // 9 or 16
  BoardCodes board{};  // black digits, the rest 0
};

std::string WritePuzzleText(const BoardCodes& board, int boardSize);

std::optional<PuzzleText> ReadPuzzleText(std::string_view text);

// Makes `puzzle` the current puzzle: a new puzzle of its size, as the
// new-puzzle commands make one, holding its digits as givens, with one undo
// step back to the empty board. The digits are the user's unsaved input,
// so the puzzle counts as changed. Call ConfirmSaveChanges first.
void PastePuzzle(App app, const PuzzleText& puzzle);

}  // namespace gridora
