// SPDX-License-Identifier: MIT
#pragma once
// The undo history: eleven snapshots of the board, taken after each change.
// A change of one cell extends the current step when the step before it
// differs from the board in at most that cell, so repeated input into one
// cell is undone in one go. Only the board is recorded.

#include "core/app.h"

namespace gridora {

// Empties every snapshot and goes back to position 0 with nothing to redo.
void ResetHistory(AppState& state);

// Records the board when it differs from the current snapshot, merging a
// single-cell change into the current step (see above). Never allocates.
void RecordHistory(AppState& state);

// Go one snapshot back or forward and redraw; nothing happens (and nothing
// is redrawn) at either end.
void UndoStep(App app);
void RedoStep(App app);

}  // namespace gridora
