// SPDX-License-Identifier: MIT
#pragma once
// The Solve command: runs the solver with the main window locked and applies
// its outcome to the model and the screen.

#include "core/app.h"
#include "solver/solver.h"

namespace gridora {

// How many visited cells share one yield to the event loop during a solve.
inline constexpr int kSolveYieldEvery = 64;

// Locks the window, solves the board of BoardSize (9, else 16) with the
// state's settings, then: with solutions, fills and enables answer slots 1
// to n (disabling the rest) and fetches slot 1; with none, writes the fixed
// cells back and redraws. The outcome message ends in the "inform" panel.
// Returns the outcome.
SolveOutcome RunSolver(App app, int yieldEvery = kSolveYieldEvery);

}  // namespace gridora
