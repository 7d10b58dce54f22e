// SPDX-License-Identifier: MIT
#pragma once
// The commands of the "ツール" menu on the model, without any window:
// solving with the complete search, counting solutions, and putting a
// generated puzzle on the board. The heavy part of each (search, generation)
// is a pure function of a board, so the window can run it on a worker
// thread and apply the result on its own thread.
//
//   FullSolveOutcome outcome = ComputeFullSolve(app.state);  // any thread
//   ApplyFullSolve(app, outcome);                             // UI thread

#include <array>
#include <string>

#include "core/app.h"
#include "engine/generator.h"

namespace gridora::engine {

// The black digits of the board (coloured ones count as empty, like the
// Solve command).
Grid GivensOf(const AppState& state);

struct FullSolveOutcome {
  bool stopped = false;                          // the search was stopped: nothing else is set
  int solutions = 0;                             // 0 to kFullSolveLimit
  std::array<BoardCodes, kSlotCount> answers{};  // answer slots 1 to 9 as stored
  std::string message;
};

// Solutions are counted up to this many; the first nine are kept.
inline constexpr int kFullSolveLimit = kSlotCount + 1;

// Searches the board of `state`: every solution found (up to nine) as an
// answer slot with the givens black and the rest in colour class 1; cells
// that differ between the stored solutions in colour class 2. The message
// is "成功！", " nつの解を発見", "10以上の解を発見" or "解がありません". A
// search stopped by `limits` gives `stopped` and the message
// kSearchCancelledText.
FullSolveOutcome ComputeFullSolve(const AppState& state, const SearchLimits& limits = {});

// Stores the answers in slots 1 to n (enabling them, disabling the rest),
// fetches slot 1 onto the board and shows the message. With no solution,
// or a stopped search, nothing but the message changes.
void ApplyFullSolve(App app, const FullSolveOutcome& outcome);

// The verdict of counting the board's solutions up to two; empty when
// `limits` stopped the count.
std::string CountSolutionsVerdict(const AppState& state, const SearchLimits& limits = {});

// The comment a generated puzzle carries, naming its grade.
std::string GeneratedComment(Grade grade);

// Replaces the puzzle with `g` like a new puzzle of that size: the givens
// black, the author UserName, today's date, the comment naming the grade,
// an undo history that starts at the new board.
void PlaceGeneratedPuzzle(App app, int boardSize, const Generated& g);

}  // namespace gridora::engine
