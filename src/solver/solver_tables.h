// SPDX-License-Identifier: MIT
#pragma once
// The solver's start-up tables and the legality test the input modes share.

#include <array>
#include <string>

#include "core/app_state.h"

namespace gridora {

// The eight outcome texts, by index: 2 and 3 by SolveState, 4 and 6 by
// SolveLevel; 0, 5 and 7 are never shown by the solver.
extern const std::array<const char*, 8> kSolveMessageTexts;

// Fills state.SolveMessages. Called once at start-up.
void InitSolverTables(AppState& state);

// True when `digit` may stand in `cell`: no other cell of its row, column or
// box holds the digit in any colour class. Reads Board; a board size other
// than 9 counts as 16 x 16. A cell outside the board is never legal.
bool IsPlacementLegal(const AppState& state, int cell, int digit);

// Filled squares (of 16) of the progress bar for `open` cells left when the
// solve began with `emptyAtStart`; a board without open cells shows a full bar.
int ProgressFilled(int open, int emptyAtStart);

// Appends the progress text: "検索中：解", the full-width number of the
// solution being searched, two blanks, `filled` black and 16 - `filled`
// white squares.
void AppendProgressText(std::string& text, int solutionNumber, int filled);

}  // namespace gridora
