// SPDX-License-Identifier: MIT
#pragma once
// Solving one puzzle from a fresh program state, as the command-line solver
// does, and writing the result for people or as one line of JSON.

#include <optional>
#include <string>

#include "core/recording_screen.h"
#include "solver/solver.h"

namespace gridora {

// Settings given on the command line; unset ones keep the defaults.
struct SolverOptions {
  std::optional<int> max9;
  std::optional<int> max16;
  std::optional<int> mode;
  bool noAlternatives = false;
  bool showLevel = false;
};

// The state after one solve: the model, what the screen shows, the outcome.
struct SolveRecord {
  AppState state;
  RecordingScreen screen;
  SolveOutcome outcome;
};

// Starts the program state afresh, puts `board` (black digits) on a new
// puzzle of `boardSize` and runs the Solve command on it.
void SolveFresh(SolveRecord& record, int boardSize, const BoardCodes& board,
                const SolverOptions& options);

// {"message": ..., "board": [...], "solutions": n, "answers": [[...], ...],
//  "enabled_answers": k} on one line, without a line end.
std::string ReportJson(const SolveRecord& record);

// The message, then the board row by row ("." empty, 1-9, A-G).
std::string ReportText(const SolveRecord& record);

// The outcome groups the benchmark counts.
enum class OutcomeGroup { OneSolution, Several, TooMany, NotSolved, Contradiction };
OutcomeGroup GroupOf(const SolveOutcome& outcome);

}  // namespace gridora
