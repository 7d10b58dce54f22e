// SPDX-License-Identifier: MIT
#pragma once
// Showing the model and editing it cell by cell; new puzzles.

#include <string>

#include "core/app.h"

namespace gridora {

// The display text of `digit`: item `digit` (1-based) of the comma-separated
// CharacterList, "" for 0. A digit with no item in the list is shown in
// decimal ("12"), so a cell that holds a digit never looks empty.
std::string CharacterOf(const AppState& state, int digit);

// Shows every cell and the property labels, then records the board in the
// undo history when it differs from the current snapshot.
void RedrawBoard(App app);

// Puts `code` into cell `index`, shows that one cell, marks the puzzle
// changed and records history (repeated changes of one cell merge into one
// undo step). Returns false and changes nothing for an index outside the
// board or a code that is not a valid cell code.
bool SetCell(App app, int index, int code);

// Replace the puzzle with an empty one of 9 x 9 or 16 x 16.
void NewPuzzle9(App app);
void NewPuzzle16(App app);

// Moves the keypad cursor to `cell` and remembers it in CursorCell.
void PlaceCursor(App app, int cell);

}  // namespace gridora
