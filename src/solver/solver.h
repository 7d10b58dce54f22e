// SPDX-License-Identifier: MIT
#pragma once
// The solver: deduction passes and a hypothesis search on a candidate grid of
// its own, for 9 x 9 and 16 x 16 boards.
//
// Responsibilities:
//  - load the board (coloured digits count as empty) and solve it;
//  - collect up to nine solutions, marked for the answer slots;
//  - build the outcome message and the board to write back when nothing was
//    solved.
// The solver changes nothing outside its own grid: RunSolver (run_solver.h)
// applies the outcome to the model and the screen.
//
//   SolveOutcome outcome = Solve9(state, &hook);
//   if (outcome.solutionCount > 0) { /* outcome.answers[0] is answer slot 1 */ }

#include <array>
#include <string>

#include "core/app_state.h"

namespace gridora {

// What the solver shows while it runs. The solver calls Yield at most once
// every `yieldEvery` visited cells, so a host whose Yield is costly can
// widen the stride; 1 lets every visit through.
class SolveHook {
 public:
  explicit SolveHook(int yieldEvery = 1) : yieldEvery_(yieldEvery < 1 ? 1 : yieldEvery) {}
  virtual ~SolveHook() = default;

  // The progress text for the "inform" panel.
  virtual void ShowProgress(const std::string& text) = 0;
  // Lets pending window events run.
  virtual void Yield() = 0;

  int yieldEvery() const { return yieldEvery_; }

 private:
  int yieldEvery_;
};

// How a run of the solver stands. The numbers index the outcome texts of
// InitSolverTables.
enum class SolveState : int {
  Running = 0,        // no run has ended yet
  Contradiction = 2,  // a cell has no candidate left
  Stuck = 3,          // no deduction applies
  Solved = 4,         // every cell holds one digit
  Searching = 6,      // the hypothesis search is choosing its next trial
};

// SolveLevel values: the index of the level message.
inline constexpr int kLevelStandard = 4;
inline constexpr int kLevelHard = 6;

// The tenth solution ends the solve at once.
inline constexpr int kTooManySolutions = 10;

struct SolveSettings {
  int limit = 9;             // KateiMax9 or KateiMax16; below 0 counts as 0
  int mode = 1;              // KateiMode: 1 skips digits seen in earlier trials
  bool alternatives = true;  // AAnswerCheak: go on after the first solution
  bool showLevel = false;    // LPrintMode: the message names the level
};

struct SolveOutcome {
  SolveState state = SolveState::Running;  // at the end
  int level = kLevelStandard;
  int solutionCount = 0;  // 0 to 10; 10 is the too-many ending
  int lastCell = 0;       // scan position at the end (the contradiction cell)
  long trials = 0;        // trial runs of the hypothesis search
  long commitments = 0;   // seen digits committed without a trial (mode 1)
  std::string message;    // final text of the "inform" panel
  // The board to show when no solution was found: the cells the solver
  // fixed are written back in colour class 1. Equal to the input otherwise.
  BoardCodes board{};
  // Answer slots 1 to 9 (element 0 is slot 1), marked as they are stored.
  std::array<BoardCodes, kSlotCount> answers{};

  bool tooMany() const { return solutionCount >= kTooManySolutions; }
  // How many answer slots this outcome fills.
  int storedAnswers() const { return solutionCount < kSlotCount ? solutionCount : kSlotCount; }
};

// The solver settings of the state for its board size, with the limit below
// 0 taken as 0.
SolveSettings SolveSettingsOf(const AppState& state);

// Solve `board` as a 9 x 9 or 16 x 16 puzzle. `messages` are the eight
// texts of InitSolverTables. The hook may be null.
SolveOutcome Solve9(const BoardCodes& board, const SolveSettings& settings,
                    const std::array<std::string, 8>& messages, SolveHook* hook);
SolveOutcome Solve16(const BoardCodes& board, const SolveSettings& settings,
                     const std::array<std::string, 8>& messages, SolveHook* hook);

}  // namespace gridora
