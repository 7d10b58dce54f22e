// SPDX-License-Identifier: MIT
#pragma once
// The puzzle generator: a random full grid, then clues taken away one (or
// one symmetric pair) at a time while the complete search proves that the
// solution stays unique, and the result graded by the deduction solver.
//
// The same seed gives the same puzzle on every machine and library: the
// random numbers come from our own generator (xoshiro256**) and our own
// range reduction, never from the standard distributions, whose results
// differ between library implementations.
//
//   GenerateOptions options;
//   options.boardSize = 9;
//   options.grade = Grade::Hard;
//   options.seed = 42;
//   Generated g = Generate(options);   // g.puzzle has one solution, g.solution

#include <cstdint>
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
};

struct Generated {
  Grid puzzle{};    // the givens, 0 empty
  Grid solution{};  // its only solution
  Grade grade = Grade::Easy;
  int clues = 0;
  int attempts = 0;  // puzzles made until one had the grade asked for
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

// The seed of the n-th puzzle of a run started with `seed`, so that a
// puzzle of a batch does not depend on the ones before it.
std::uint64_t PuzzleSeed(std::uint64_t seed, std::uint64_t n);

// The puzzle as one line: "." empty, 1-9, A-G for 10 to 16.
std::string PuzzleLineOf(int boardSize, const Grid& grid);

}  // namespace gridora::engine
