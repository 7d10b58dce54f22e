// SPDX-License-Identifier: MIT
#pragma once
// The puzzle generator: a random full grid, then clues taken away one (or
// one symmetric pair) at a time while the complete search proves that the
// solution stays unique, and the result graded by the logic engine's rating
// (grade.h).
//
// The same seed gives the same puzzle on every machine and library: the
// random numbers come from our own generator (xoshiro256**) and our own
// range reduction, never from the standard distributions, whose results
// differ between library implementations.
//
// Attempts and threads: a puzzle of a grade takes attempts (a full grid,
// then its clues taken away) until one has that grade. Attempt k draws its
// numbers from its own generator, seeded from the seed and k, and the
// puzzle is that of the lowest attempt with the grade. Several threads try
// attempts at once, each taking the next number; an attempt above one that
// has succeeded is given up, and the result waits for every attempt below
// the winner. So the same seed gives the same puzzle whatever the number of
// threads and however they are scheduled.
//
//   GenerateOptions options;
//   options.boardSize = 9;
//   options.grade = Grade::Hard;
//   options.seed = 42;
//   Generated g = Generate(options);   // g.puzzle has one solution, g.solution

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/grade.h"
#include "engine/search.h"

namespace gridora::engine {

// xoshiro256** seeded through splitmix64.
class Random {
 public:
  explicit Random(std::uint64_t seed);
  std::uint64_t Next();
  // A uniform number 0 to n - 1 (n at least 1), by rejection.
  int Below(int n);

 private:
  std::uint64_t s_[4];
};

enum class Symmetry { None, Rotate180 };

struct GenerateOptions {
  int boardSize = 9;
  Symmetry symmetry = Symmetry::None;
  std::optional<Grade> grade;  // none: the first puzzle made is taken
  std::uint64_t seed = 0;
  int threads = 1;  // threads trying attempts at once; the result does not depend on it
  // Set from elsewhere to give up: checked between attempts, between the
  // clues taken away and before every guess of their uniqueness proofs.
  const std::atomic<bool>* cancel = nullptr;
};

struct Generated {
  Grid puzzle{};    // the givens, 0 empty
  Grid solution{};  // its only solution
  Grade grade = Grade::Easy;
  int clues = 0;
  int attempts = 0;        // puzzles made until one had the grade asked for
  bool cancelled = false;  // given up through GenerateOptions::cancel: no puzzle
  double seconds = 0;      // wall time from its first attempt to its result
};

// The guesses after which RandomFullGrid gives up a start and draws another.
inline constexpr long kCompletionGuesses = 2000;

// A random complete grid of the board size. `guesses`, when given, receives
// the search's guesses, over every start drawn.
Grid RandomFullGrid(int boardSize, Random& random, long* guesses = nullptr);

// Takes clues away from the full grid `solution` in a random order while the
// puzzle keeps one solution and its grade stays at or below `ceiling`; with
// Rotate180 a clue leaves together with its partner turned half way round
// the centre. No further clue (or pair) can go from the result.
Grid RemoveClues(int boardSize, const Grid& solution, Symmetry symmetry, Random& random,
                 Grade ceiling = Grade::Expert);

// Makes puzzles from the seed until one has the grade asked for. Clues go
// only while the grade stays at or below the one asked for, so that easy
// puzzles keep the clues that singles need.
Generated Generate(const GenerateOptions& options);

// Attempt `attempt` of options.seed: a full grid and its clues taken away,
// whatever its grade. Nothing when `abandon` (asked between the clues)
// returned true or options.cancel stopped a search first.
std::optional<Generated> GenerateAttempt(const GenerateOptions& options, int attempt,
                                         const std::function<bool()>& abandon = {});

// Makes puzzles 0 to count - 1 of a run on options.threads threads: puzzle
// n is what Generate gives for the seed PuzzleSeed(options.seed, n). The
// threads start the next puzzles while there are any, then join the
// unfinished ones by trying their further attempts. `emit` receives each
// puzzle in index order, one call at a time. A cancelled run stops early;
// the puzzles emitted until then are whole.
void GenerateBatch(const GenerateOptions& options, std::size_t count,
                   const std::function<void(std::size_t, const Generated&)>& emit);

// The seed of the n-th puzzle of a run started with `seed`, so that a
// puzzle of a batch does not depend on the ones before it.
std::uint64_t PuzzleSeed(std::uint64_t seed, std::uint64_t n);

// The puzzle as one line: "." empty, 1-9, A-G for 10 to 16.
std::string PuzzleLineOf(int boardSize, const Grid& grid);

}  // namespace gridora::engine
