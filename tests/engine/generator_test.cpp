// SPDX-License-Identifier: MIT
// The generator: thousands of puzzles of both sizes, each with exactly one
// solution by the reference counter, the symmetry asked for, the same
// puzzle again from the same seed; and the grades as the logic engine's
// rating sees them.

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <vector>

#include "engine/generator.h"
#include "logic/logic_engine.h"
#include "reference.h"

namespace gridora::testing {
namespace {

using engine::Grade;
using engine::Grid;

int Clues(int size, const Grid& grid) {
  int n = 0;
  for (int c = 0; c < size * size; ++c) n += grid[static_cast<std::size_t>(c)] != 0;
  return n;
}

void ExpectSoundPuzzle(const engine::GenerateOptions& options, const engine::Generated& g) {
  const int size = options.boardSize;
  const int cells = size * size;
  SCOPED_TRACE(engine::PuzzleLineOf(size, g.puzzle));
  EXPECT_TRUE(engine::SolvesPuzzle(size, g.puzzle, g.solution));
  // The reference counter has no propagation: it is quick on every 9 x 9
  // puzzle and on 16 x 16 puzzles that singles fill, hopeless on harder
  // 16 x 16 ones, which the search (checked against it elsewhere) counts.
  Grid filled{};
  if (size == 9 || engine::SolveBySingles(size, g.puzzle, filled)) {
    EXPECT_EQ(ReferenceCounter(size, g.puzzle).Count(2), 1);
  } else {
    EXPECT_EQ(engine::CountSolutions(size, g.puzzle, 2).solutions, 1);
  }
  EXPECT_EQ(g.clues, Clues(size, g.puzzle));
  if (options.grade) {
    EXPECT_EQ(g.grade, *options.grade);
  }
  EXPECT_EQ(g.grade, engine::GradeOf(size, g.puzzle));
  if (options.symmetry == engine::Symmetry::Rotate180) {
    for (int c = 0; c < cells; ++c) {
      EXPECT_EQ(g.puzzle[static_cast<std::size_t>(c)] != 0,
                g.puzzle[static_cast<std::size_t>(cells - 1 - c)] != 0)
          << "cell " << c;
    }
  }
}

TEST(GeneratorTest, thousandsOfPuzzlesHaveOneSolutionAndKeepTheirSymmetry) {
  std::set<std::string> distinct;
  int minimalClues = 81;
  struct Batch {
    int size, count;
    std::optional<Grade> grade;
  };
  // Any grade (the fewest clues) on 9 x 9; the quick grades on 16 x 16,
  // whose fewest-clue puzzles take seconds each.
  for (const Batch& batch : {Batch{9, 2000, std::nullopt}, Batch{16, 30, Grade::Easy}}) {
    for (int i = 0; i < batch.count / kCaseDivisor; ++i) {
      engine::GenerateOptions options;
      options.boardSize = batch.size;
      options.symmetry = i % 2 == 0 ? engine::Symmetry::None : engine::Symmetry::Rotate180;
      options.grade = batch.grade;
      options.seed = engine::PuzzleSeed(1234, static_cast<std::uint64_t>(i));
      const engine::Generated g = engine::Generate(options);
      ExpectSoundPuzzle(options, g);
      distinct.insert(engine::PuzzleLineOf(batch.size, g.puzzle));
      if (batch.size == 9) minimalClues = std::min(minimalClues, g.clues);
      if (i % 100 == 0) {
        EXPECT_EQ(engine::Generate(options).puzzle, g.puzzle) << "same seed, same puzzle";
      }
    }
  }
  EXPECT_EQ(distinct.size(), static_cast<std::size_t>(2000 / kCaseDivisor + 30 / kCaseDivisor));
  EXPECT_LE(minimalClues, 23);  // clues really are taken down to a minimal set
}

// Every grade on both sizes, for a few seeds: the puzzle has the grade
// asked for, and the logic engine's own path rates it inside the grade's
// ER range: easy 1.0 to 2.3 and singles alone fill it, standard 2.5 to
// 3.4, hard 3.5 to 6.5, expert 6.6 and above or past what the engine
// solves. The 16 x 16 engine stops at the quads and Jellyfish (5.4), so
// there an expert puzzle is one it does not solve.
TEST(GeneratorTest, gradesFollowTheRating) {
  for (const int size : {9, 16}) {
    for (const Grade grade : {Grade::Easy, Grade::Standard, Grade::Hard, Grade::Expert}) {
      // The unoptimised build tries one seed of the quick grades on 16 x 16.
      const bool slow = size == 16 && (grade == Grade::Hard || grade == Grade::Expert);
      if (kCaseDivisor > 1 && slow) continue;
      const int seeds = kCaseDivisor > 1 || size == 16 ? 1 : 3;
      for (std::uint64_t seed = 77; seed < 77 + static_cast<std::uint64_t>(seeds); ++seed) {
        engine::GenerateOptions options;
        options.boardSize = size;
        options.grade = grade;
        options.seed = seed;
        options.symmetry = engine::Symmetry::Rotate180;
        options.threads = 2;
        const engine::Generated g = engine::Generate(options);
        ExpectSoundPuzzle(options, g);
        const logic::Path path = logic::SolvePath(size, g.puzzle);
        SCOPED_TRACE(engine::PuzzleLineOf(size, g.puzzle) + " ER " + std::to_string(path.er));
        Grid filled{};
        switch (grade) {
          case Grade::Easy:
            EXPECT_TRUE(path.solved);
            EXPECT_LE(path.er, 23);
            EXPECT_TRUE(engine::SolveBySingles(size, g.puzzle, filled));
            break;
          case Grade::Standard:
            EXPECT_TRUE(path.solved);
            EXPECT_GE(path.er, 25);
            EXPECT_LE(path.er, 34);
            break;
          case Grade::Hard:
            EXPECT_TRUE(path.solved);
            EXPECT_GE(path.er, 35);
            EXPECT_LE(path.er, 65);
            break;
          case Grade::Expert:
            EXPECT_TRUE(size == 16 ? !path.solved : !path.solved || path.er >= 66);
            break;
        }
      }
    }
  }
}

// Attempts raced on several threads give the puzzle one thread gives, and
// a batch gives each puzzle of its run whatever its thread count.
TEST(GeneratorTest, threadsChangeNoPuzzle) {
  int raced = 0;  // puzzles that took several attempts
  for (const Grade grade : {Grade::Standard, Grade::Hard}) {
    // Seeds 1 and 2 take two to eight attempts at both grades.
    for (std::uint64_t seed = 1; seed <= (kCaseDivisor > 1 ? 2u : 6u); ++seed) {
      engine::GenerateOptions options;
      options.grade = grade;
      options.seed = seed;
      const engine::Generated one = engine::Generate(options);
      EXPECT_FALSE(one.cancelled);
      EXPECT_EQ(one.grade, grade);
      raced += one.attempts > 1;
      for (const int threads : {2, 4}) {
        options.threads = threads;
        const engine::Generated many = engine::Generate(options);
        EXPECT_EQ(many.puzzle, one.puzzle) << threads;
        EXPECT_EQ(many.solution, one.solution) << threads;
        EXPECT_EQ(many.attempts, one.attempts) << threads;
      }
    }
  }
  EXPECT_GE(raced, 4) << "too few puzzles that needed a second attempt to test the race";

  engine::GenerateOptions options;
  options.grade = Grade::Standard;
  options.seed = 99;
  options.threads = 3;
  std::vector<std::size_t> order;
  engine::GenerateBatch(options, 5, [&](std::size_t n, const engine::Generated& g) {
    order.push_back(n);
    engine::GenerateOptions single = options;
    single.threads = 1;
    single.seed = engine::PuzzleSeed(99, n);
    EXPECT_EQ(g.puzzle, engine::Generate(single).puzzle) << n;
  });
  EXPECT_EQ(order, (std::vector<std::size_t>{0, 1, 2, 3, 4}));
}

// A run is given up between attempts, between the clues of an attempt and
// inside its searches.
TEST(GeneratorTest, cancelStopsARun) {
  const std::atomic<bool> cancel{true};
  engine::GenerateOptions options;
  options.grade = Grade::Expert;
  options.cancel = &cancel;
  options.threads = 2;
  EXPECT_TRUE(engine::Generate(options).cancelled);
  int emitted = 0;
  engine::GenerateBatch(options, 5, [&](std::size_t, const engine::Generated&) { ++emitted; });
  EXPECT_EQ(emitted, 0);
  // Within an attempt the flag stops the uniqueness proofs.
  EXPECT_FALSE(engine::GenerateAttempt(options, 0, [] { return false; }));
  options.cancel = nullptr;
  EXPECT_TRUE(engine::GenerateAttempt(options, 0, [] { return false; }));
  int asked = 0;
  EXPECT_FALSE(engine::GenerateAttempt(options, 0, [&] { return ++asked == 5; }));
  EXPECT_EQ(asked, 5);
}

// The first full grid of every seed of a wide sweep (the grid of the first
// puzzle `gridora-solve --generate --seed S` makes) takes few guesses: a
// start the search wanders on is given up after kCompletionGuesses, and a
// second such start in a row is not met.
TEST(GeneratorTest, fullGridsTakeFewGuessesForEverySeed) {
  for (const int size : {9, 16}) {
    long total = 0;
    int redrawn = 0;
    const int seeds = (size == 16 ? 10000 : 3000) / kCaseDivisor;
    for (int seed = 0; seed < seeds; ++seed) {
      engine::Random random(engine::PuzzleSeed(static_cast<std::uint64_t>(seed), 0));
      long guesses = 0;
      const Grid grid = engine::RandomFullGrid(size, random, &guesses);
      ASSERT_TRUE(engine::IsSolvedGrid(size, grid)) << "seed " << seed;
      ASSERT_LT(guesses, 2 * engine::kCompletionGuesses) << "seed " << seed;
      redrawn += guesses >= engine::kCompletionGuesses;
      total += guesses;
    }
    EXPECT_LE(redrawn, seeds / 500) << size;
    EXPECT_LT(total / seeds, size == 16 ? 200 : 20) << size;
  }
  // The seed whose grid the search used to wander on for a minute.
  engine::Random random(engine::PuzzleSeed(2578, 0));
  long guesses = 0;
  EXPECT_TRUE(engine::IsSolvedGrid(16, engine::RandomFullGrid(16, random, &guesses)));
  EXPECT_LT(guesses, engine::kCompletionGuesses);
}

TEST(GeneratorTest, randomNumbersAreUniformEnoughAndRepeatable) {
  engine::Random a(5), b(5), c(6);
  std::array<int, 7> histogram{};
  bool differs = false;
  for (int i = 0; i < 70000; ++i) {
    const int x = a.Below(7);
    EXPECT_EQ(x, b.Below(7));
    differs = differs || x != c.Below(7);
    ++histogram[static_cast<std::size_t>(x)];
  }
  EXPECT_TRUE(differs);
  for (const int n : histogram) EXPECT_NEAR(n, 10000, 500);
}

}  // namespace
}  // namespace gridora::testing
