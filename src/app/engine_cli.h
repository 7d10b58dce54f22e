// SPDX-License-Identifier: MIT
#pragma once
// The options of gridora-solve that use the complete search: solving with
// it, counting solutions, checking a puzzle is unique, generating puzzles,
// and running the work on several threads with the output in input order.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/generator.h"
#include "solver/puzzle_line.h"

namespace gridora {

struct EngineCliOptions {
  bool engine = false;  // --engine, or implied by --count / --unique
  int count = 0;        // --count N: count solutions up to N (0: not asked)
  bool unique = false;  // --unique
  int jobs = 0;         // -j N; 0: every core
  int generate = 0;     // --generate N (0: not asked)
  int size = 9;         // --size
  std::optional<engine::Grade> grade;
  std::optional<std::uint64_t> seed;
  bool symmetric = false;
};

inline constexpr const char* kEngineUsage =
    "  --engine          solve with the complete search instead\n"
    "  --count N         count the solutions up to N and print the count\n"
    "  --unique          tell whether each puzzle has exactly one solution; exit\n"
    "                    status 3 when one has none or several\n"
    "  -j N              solve on N threads (default: every core); output in input order\n"
    "  --generate N      print N new puzzles, one a line; -j N threads share them\n"
    "  --size 9|16       board size of --generate (default 9)\n"
    "  --grade G         easy, standard, hard or expert (default: any)\n"
    "  --seed S          same seed, same puzzles, whatever -j\n"
    "  --symmetric       clues symmetric under a half turn\n";

// Looks at argv[i]: 1 when it was one of these options (i then stands on the
// last word it used), 0 when it is none of them, -1 for a bad value (a
// message went to standard error).
int ParseEngineOption(int argc, char** argv, int& i, EngineCliOptions& options);

// The threads to use for -j (at least 1).
int JobCount(const EngineCliOptions& options);

// Runs work(0) ... work(n - 1) on `jobs` threads and hands the results to
// emit in index order.
void RunInOrder(std::size_t n, int jobs, const std::function<std::string(std::size_t)>& work,
                const std::function<void(std::string&&)>& emit);

// What the complete search prints for one puzzle: with --count the count,
// with --unique the verdict, otherwise the message and the solved board;
// with `json` one JSON object. `solutions` gets the solutions found (up to
// the limit: 1, 2 with --unique, N with --count N).
std::string EngineReport(const PuzzleLine& puzzle, const EngineCliOptions& options, bool json,
                         int& solutions);

// --generate: prints the puzzles to standard output, and with `stats` the
// time per puzzle, the grades and the clue counts to standard error.
// Returns the exit status.
int RunGenerate(const EngineCliOptions& options, bool stats);

}  // namespace gridora
