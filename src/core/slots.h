// SPDX-License-Identifier: MIT
#pragma once
// The nine memory slots (the user's snapshots of the board) and the nine
// answer slots (the solver's solutions). A slot holds all 256 codes of the
// board, colour classes included; fetching one is an ordinary undoable change.

#include "core/app.h"

namespace gridora {

// Copies the board into memory slot n (1 to 9) and enables its fetch menu
// item and button. Returns false for a slot number out of range.
bool StoreMemorySlot(App app, int n);

// Copies memory or answer slot n (1 to 9) into the board and redraws.
// Returns false for a slot number out of range.
bool FetchMemorySlot(App app, int n);
bool FetchAnswerSlot(App app, int n);

// Enables or disables both fetch controls (menu item and launcher button) of
// answer slot n.
void EnableAnswerSlot(App app, int n, bool enabled);

}  // namespace gridora
