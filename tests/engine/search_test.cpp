// SPDX-License-Identifier: MIT
// The complete search against the public puzzle sets (their known counts)
// and against a simple reference counter on random boards, contradictory
// ones included.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "engine/band_search.h"
#include "engine/generator.h"
#include "engine/search.h"
#include "reference.h"
#include "solver/puzzle_line.h"

namespace gridora::testing {
namespace {

using engine::CountSolutions;
using engine::Grid;

Grid GridOf(const PuzzleLine& line) {
  Grid grid{};
  for (int c = 0; c < line.boardSize * line.boardSize; ++c) {
    grid[static_cast<std::size_t>(c)] =
        static_cast<std::uint8_t>(line.board[static_cast<std::size_t>(c)]);
  }
  return grid;
}

Grid GridOf(std::string_view text) {
  const PuzzleLine line = ParsePuzzleLine(text);
  EXPECT_EQ(line.kind, PuzzleLine::Kind::Puzzle) << line.error;
  return GridOf(line);
}

struct SetPuzzle {
  std::string where;
  int size = 9;
  Grid givens{};
  int count = -1;  // the file's count; -1: one solution, or two and more for serg
  std::string solution;
};

std::vector<SetPuzzle> LoadFolder(const std::filesystem::path& dir) {
  std::vector<SetPuzzle> puzzles;
  if (!std::filesystem::is_directory(dir)) return puzzles;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path());
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
      ++number;
      const PuzzleLine line = ParsePuzzleLine(text);
      if (line.kind != PuzzleLine::Kind::Puzzle) continue;
      SetPuzzle p{entry.path().filename().string() + ":" + std::to_string(number), line.boardSize,
                  GridOf(line), -1, ""};
      const std::size_t colon = text.find(':');
      if (colon != std::string::npos) {
        p.count = std::atoi(text.c_str() + colon + 1);
        const std::size_t second = text.find(':', colon + 1);
        if (second != std::string::npos) p.solution = text.substr(second + 1);
      } else if (entry.path().filename().string().find("serg") != std::string::npos) {
        p.count = -2;
      }
      puzzles.push_back(p);
    }
  }
  return puzzles;
}

// Every puzzle of the copied sets and, when they sit beside the checkout,
// of the whole public sets: the first solution keeps the givens and is a
// solved grid; counting finds the known number of solutions, each distinct.
TEST(SearchTest, thePuzzleSetsAreSolvedAndCounted) {
  const char* data = std::getenv("GRIDORA_TEST_DATA");
  std::vector<SetPuzzle> puzzles =
      LoadFolder(std::filesystem::path(data != nullptr ? data : GRIDORA_TEST_DATA_DIR) / "puzzles");
  const std::vector<SetPuzzle> shared = LoadFolder(GRIDORA_SHARED_PUZZLES);
  puzzles.insert(puzzles.end(), shared.begin(), shared.end());
  ASSERT_GE(puzzles.size(), 80u);
  int counted = 0;
  for (const SetPuzzle& p : puzzles) {
    SCOPED_TRACE(p.where);
    const int limit = p.count >= 0 ? 1000 : 2;
    std::array<Grid, 2> kept{};
    const engine::SearchResult all = CountSolutions(p.size, p.givens, limit, kept);
    const engine::SearchResult first = CountSolutions(p.size, p.givens, 1);
    const int expected = p.count >= 0 ? p.count : p.count == -1 ? 1 : 2;
    ASSERT_EQ(all.solutions, expected);
    ASSERT_EQ(first.solutions, expected > 0 ? 1 : 0);
    if (expected == 0) continue;
    ++counted;
    EXPECT_TRUE(engine::SolvesPuzzle(p.size, p.givens, first.first));
    EXPECT_EQ(first.first, all.first);
    EXPECT_EQ(kept[0], all.first);
    if (expected >= 2) {
      EXPECT_TRUE(engine::SolvesPuzzle(p.size, p.givens, kept[1]));
      EXPECT_NE(kept[0], kept[1]);
    }
    if (!p.solution.empty()) {
      EXPECT_EQ(engine::PuzzleLineOf(p.size, first.first), p.solution);
    }
  }
  EXPECT_GT(counted, 70);
}

// Random boards cut from random solved grids, a third of them with one cell
// overwritten by a random digit (often a clash or a dead end): the count up
// to the limit and the kept solutions agree with the reference counter.
// Counting to 40 on sparse 9 x 9 boards takes the search past its first
// guesses, where it also reasons on mini-lines and branches on band
// matchings.
TEST(SearchTest, randomBoardsAgreeWithTheReferenceCounter) {
  struct Case {
    int size, boards, minPercent, maxPercent, limit;
  };
  int unsolvable = 0, several = 0;
  for (const Case& c :
       {Case{9, 3000, 30, 60, 3}, Case{9, 300, 12, 35, 40}, Case{16, 2000, 55, 90, 3}}) {
    for (int i = 0; i < c.boards / kCaseDivisor; ++i) {
      engine::Random random(static_cast<std::uint64_t>(i) * 7919 +
                            static_cast<std::uint64_t>(c.size));
      Grid board = engine::RandomFullGrid(c.size, random);
      const int percent = c.minPercent + random.Below(c.maxPercent - c.minPercent + 1);
      for (int cell = 0; cell < c.size * c.size; ++cell) {
        if (random.Below(100) >= percent) board[static_cast<std::size_t>(cell)] = 0;
      }
      if (random.Below(3) == 0) {
        board[static_cast<std::size_t>(random.Below(c.size * c.size))] =
            static_cast<std::uint8_t>(1 + random.Below(c.size));
      }
      SCOPED_TRACE(engine::PuzzleLineOf(c.size, board));
      std::vector<Grid> kept(static_cast<std::size_t>(c.limit));
      const engine::SearchResult r = CountSolutions(c.size, board, c.limit, kept);
      ASSERT_EQ(r.solutions, ReferenceCounter(c.size, board).Count(c.limit));
      std::set<Grid> distinct;
      for (int k = 0; k < r.solutions; ++k) {
        EXPECT_TRUE(engine::SolvesPuzzle(c.size, board, kept[static_cast<std::size_t>(k)]));
        distinct.insert(kept[static_cast<std::size_t>(k)]);
      }
      EXPECT_EQ(distinct.size(), static_cast<std::size_t>(r.solutions));
      unsolvable += r.solutions == 0;
      several += r.solutions > 1;
    }
  }
  // Both kinds of board really were met.
  EXPECT_GT(unsolvable, 100 / kCaseDivisor);
  EXPECT_GT(several, 100 / kCaseDivisor);
}

// Candidate masks as the generator passes them: digits forbidden in open
// cells, now and then a cell that lost its grid digit or every digit. The
// count to three agrees with the reference counter held to the same masks,
// and every kept solution takes each cell's digit from its mask.
TEST(SearchTest, candidateMasksAgreeWithTheReferenceCounter) {
  int unsolvable = 0, several = 0;
  for (const int size : {9, 16}) {
    const std::uint16_t all = size == 16 ? 0xFFFFu : 0x1FFu;
    for (int i = 0; i < (size == 9 ? 600 : 60) / kCaseDivisor; ++i) {
      engine::Random random(static_cast<std::uint64_t>(i) * 104729 +
                            static_cast<std::uint64_t>(size));
      const Grid full = engine::RandomFullGrid(size, random);
      const int openPercent = size == 9 ? 40 + random.Below(36) : 20 + random.Below(16);
      engine::Masks masks{};
      for (int c = 0; c < size * size; ++c) {
        const auto at = static_cast<std::size_t>(c);
        const auto own = static_cast<std::uint16_t>(1u << (full[at] - 1));
        masks[at] = own;
        if (random.Below(100) >= openPercent) continue;
        for (int d = 0; d < size; ++d) {
          if (random.Below(size == 9 ? 2 : 3) == 0) {
            masks[at] = static_cast<std::uint16_t>(masks[at] | 1u << d);
          }
        }
        masks[at] = static_cast<std::uint16_t>(masks[at] & all);
      }
      const auto cell = static_cast<std::size_t>(random.Below(size * size));
      if (i % 3 == 0) masks[cell] = static_cast<std::uint16_t>(all & ~masks[cell]);
      if (i % 10 == 5) masks[cell] = 0;
      std::array<Grid, 3> kept{};
      const engine::SearchResult r = engine::CountSolutionsFromMasks(size, masks, 3, kept);
      ASSERT_EQ(r.solutions, ReferenceCounter(size, masks).Count(3)) << "board " << i;
      for (int k = 0; k < r.solutions; ++k) {
        const Grid& g = kept[static_cast<std::size_t>(k)];
        EXPECT_TRUE(engine::IsSolvedGrid(size, g));
        for (int c = 0; c < size * size; ++c) {
          const auto at = static_cast<std::size_t>(c);
          EXPECT_NE(masks[at] >> (g[at] - 1) & 1u, 0u) << "board " << i << ", cell " << c;
        }
      }
      unsolvable += r.solutions == 0;
      several += r.solutions > 1;
    }
  }
  EXPECT_GT(unsolvable, 60 / kCaseDivisor);
  EXPECT_GT(several, 20 / kCaseDivisor);
}

// A board turned about (digits relabelled, rows and columns moved within
// and between bands, rows and columns swapped) has as many solutions as
// before. The 9 x 9 search keeps rows and columns in different shapes (a
// band word holds three rows), so this checks each rule in both directions.
TEST(SearchTest, countsDoNotDependOnHowTheBoardIsTurned) {
  const char* data = std::getenv("GRIDORA_TEST_DATA");
  const std::vector<SetPuzzle> puzzles =
      LoadFolder(std::filesystem::path(data != nullptr ? data : GRIDORA_TEST_DATA_DIR) / "puzzles");
  engine::Random random(2026);
  const auto order = [&] {
    std::array<int, 9> o{};
    const int first = random.Below(3);
    const int second = (first + 1 + random.Below(2)) % 3;
    const int bands[3] = {first, second, 3 - first - second};
    for (int b = 0; b < 3; ++b) {
      const int shift = random.Below(3);
      const bool flip = random.Below(2) == 1;
      for (int k = 0; k < 3; ++k) {
        o[static_cast<std::size_t>(b * 3 + k)] =
            bands[b] * 3 + (flip ? 2 - (k + shift) % 3 : (k + shift) % 3);
      }
    }
    return o;
  };
  int turned = 0;
  for (const SetPuzzle& p : puzzles) {
    if (p.size != 9) continue;
    SCOPED_TRACE(p.where);
    const int limit = p.count >= 0 ? 1000 : 2;
    const int expected = CountSolutions(9, p.givens, limit).solutions;
    for (int t = 0; t < 3; ++t) {
      const std::array<int, 9> rows = order(), columns = order();
      std::array<int, 10> digit{};
      for (int d = 1; d <= 9; ++d) digit[static_cast<std::size_t>(d)] = (d - 1 + t * 4) % 9 + 1;
      const bool transpose = t != 1;
      Grid board{};
      for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
          const int from =
              rows[static_cast<std::size_t>(r)] * 9 + columns[static_cast<std::size_t>(c)];
          const int to = transpose ? c * 9 + r : r * 9 + c;
          board[static_cast<std::size_t>(to)] =
              static_cast<std::uint8_t>(digit[p.givens[static_cast<std::size_t>(from)]]);
        }
      }
      const engine::SearchResult r = CountSolutions(9, board, limit);
      ASSERT_EQ(r.solutions, expected) << "turn " << t;
      if (r.solutions > 0) {
        EXPECT_TRUE(engine::SolvesPuzzle(9, board, r.first));
      }
      ++turned;
    }
  }
  EXPECT_GT(turned, 150);
}

// The builds of the 9 x 9 search for other instruction sets take the same
// steps as the plain one, from digits as from masks: on every 9 x 9 puzzle
// of the sets, on random candidate masks (many without a solution, many
// with several), on the empty board and under a bound on guesses, they give
// the same counts, the same kept solutions in the same order, the same
// guesses.
TEST(SearchTest, everyBuildOfThe9x9SearchGivesTheSameResults) {
  if (!engine::SearchIsaAvailable(engine::SearchIsa::Avx2)) {
    GTEST_SKIP() << "only the plain build runs on this processor";
  }
  // The board as digits or as masks.
  const auto same = [](const auto& board, int limit, long maxGuesses) {
    engine::SearchLimits limits;
    limits.maxGuesses = maxGuesses;
    std::array<Grid, 3> plainKept{}, fastKept{};
    const engine::SearchResult plain =
        engine::CountSolutions9(board, limit, plainKept, limits, engine::SearchIsa::Plain);
    const engine::SearchResult fast =
        engine::CountSolutions9(board, limit, fastKept, limits, engine::SearchIsa::Avx2);
    EXPECT_EQ(plain.solutions, fast.solutions);
    EXPECT_EQ(plain.guesses, fast.guesses);
    EXPECT_EQ(plain.stopped, fast.stopped);
    EXPECT_EQ(plain.first, fast.first);
    EXPECT_EQ(plainKept, fastKept);
    return plain;
  };
  const char* data = std::getenv("GRIDORA_TEST_DATA");
  std::vector<SetPuzzle> puzzles =
      LoadFolder(std::filesystem::path(data != nullptr ? data : GRIDORA_TEST_DATA_DIR) / "puzzles");
  const std::vector<SetPuzzle> shared = LoadFolder(GRIDORA_SHARED_PUZZLES);
  puzzles.insert(puzzles.end(), shared.begin(), shared.end());
  long guesses = 0;
  for (const SetPuzzle& p : puzzles) {
    if (p.size != 9) continue;
    SCOPED_TRACE(p.where);
    engine::Masks masks{};
    for (std::size_t c = 0; c < 81; ++c) {
      masks[c] = static_cast<std::uint16_t>(p.givens[c] == 0 ? 0x1FFu : 1u << (p.givens[c] - 1));
    }
    for (const int limit : {1, 2, 3}) {
      const engine::SearchResult fromDigits = same(p.givens, limit, 0);
      const engine::SearchResult fromMasks = same(masks, limit, 0);
      EXPECT_EQ(fromDigits.guesses, fromMasks.guesses);  // both loads give the same board
      EXPECT_EQ(fromDigits.first, fromMasks.first);
      guesses += fromDigits.guesses;
    }
  }
  EXPECT_GT(guesses, 300);  // the hard puzzles took both builds deep
  int unsolvable = 0, several = 0;
  for (int i = 0; i < 3000 / kCaseDivisor; ++i) {
    engine::Random random(static_cast<std::uint64_t>(i) * 6151 + 9);
    const Grid full = engine::RandomFullGrid(9, random);
    const int openPercent = 40 + random.Below(50);
    engine::Masks masks{};
    for (std::size_t c = 0; c < 81; ++c) {
      masks[c] = static_cast<std::uint16_t>(1u << (full[c] - 1));
      if (random.Below(100) >= openPercent) continue;
      for (int d = 0; d < 9; ++d) {
        if (random.Below(3) != 0) masks[c] = static_cast<std::uint16_t>(masks[c] | 1u << d);
      }
    }
    if (i % 3 == 0) {
      const auto cell = static_cast<std::size_t>(random.Below(81));
      masks[cell] = static_cast<std::uint16_t>(0x1FFu & ~masks[cell]);
    }
    SCOPED_TRACE(::testing::Message() << "board " << i);
    const engine::SearchResult r = same(masks, 3, 0);
    unsolvable += r.solutions == 0;
    several += r.solutions > 1;
  }
  EXPECT_GT(unsolvable, 100 / kCaseDivisor);
  EXPECT_GT(several, 100 / kCaseDivisor);
  engine::Masks empty{};
  empty.fill(0x1FFu);
  EXPECT_EQ(same(empty, 3, 0).solutions, 3);
  EXPECT_TRUE(same(empty, INT_MAX, 500).stopped);
}

TEST(SearchTest, oddBoards) {
  const std::string empty9(81, '.');
  const std::string solved =
      "652483917978162435314975628825736149791824563436519872269348751547291386183657294";
  struct Case {
    std::string name;
    int size;
    Grid board;
    int limit, solutions;
  };
  Grid clash = GridOf(empty9);
  clash[1] = clash[4] = 7;  // two 7s in the first row
  Grid columnClash = GridOf(empty9);
  columnClash[4] = columnClash[4 + 9 * 7] = 3;  // two 3s in the fifth column, bands apart
  Grid sparseBoxClash = GridOf(empty9);
  sparseBoxClash[30] = sparseBoxClash[50] = 8;  // two 8s in the middle box, rows and columns apart
  Grid tooBig = GridOf(empty9);
  tooBig[0] = 10;
  Grid boxClash = GridOf(solved);
  boxClash[0] = 0;
  boxClash[10] = 0;
  boxClash[1] = 0;
  boxClash[9] = 5;  // a 5 twice in the first box once the others are open
  const Case cases[] = {
      {"empty 9 x 9", 9, GridOf(empty9), 5, 5},
      {"empty 16 x 16", 16, Grid{}, 3, 3},
      {"solved grid", 9, GridOf(solved), 2, 1},
      {"solved grid, one cell open", 9,
       [&] {
         Grid g = GridOf(solved);
         g[80] = 0;
         return g;
       }(),
       2, 1},
      {"clash in a row", 9, clash, 2, 0},
      {"clash in a column", 9, columnClash, 2, 0},
      {"clash in a box of an empty board", 9, sparseBoxClash, 2, 0},
      {"digit above the size", 9, tooBig, 2, 0},
      {"clash in a box", 9, boxClash, 2, ReferenceCounter(9, boxClash).Count(2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const engine::SearchResult r = CountSolutions(c.size, c.board, c.limit);
    EXPECT_EQ(r.solutions, c.solutions);
    if (r.solutions > 0) {
      EXPECT_TRUE(engine::SolvesPuzzle(c.size, c.board, r.first));
    }
  }
}

// Any byte may reach the entry points as a digit: out of range, the board
// has no solution and no grid is solved, whatever the byte (the sanitizer
// build catches a shift past the word).
TEST(SearchTest, bytesOutOfRangeAreNoDigits) {
  for (const int size : {9, 16}) {
    const engine::SearchResult empty = CountSolutions(size, Grid{}, 1);
    ASSERT_EQ(empty.solutions, 1);
    for (const int byte : {size + 1, 17, 31, 32, 33, 64, 200, 255}) {
      SCOPED_TRACE(::testing::Message() << size << " x " << size << ", byte " << byte);
      Grid board{};
      board[static_cast<std::size_t>(size * size - 1)] = static_cast<std::uint8_t>(byte);
      EXPECT_EQ(CountSolutions(size, board, 2).solutions, 0);
      Grid filled{};
      EXPECT_FALSE(engine::SolveBySingles(size, board, filled));
      Grid solved = empty.first;
      solved[5] = static_cast<std::uint8_t>(byte);
      EXPECT_FALSE(engine::IsSolvedGrid(size, solved));
      EXPECT_FALSE(engine::SolvesPuzzle(size, Grid{}, solved));
    }
  }
  for (const int size : {0, 4, 10, 15, 25}) {
    EXPECT_EQ(CountSolutions(size, Grid{}, 1).solutions, 0) << size;
    EXPECT_EQ(engine::CountSolutionsFromMasks(size, engine::Masks{}, 1).solutions, 0) << size;
    EXPECT_FALSE(engine::IsSolvedGrid(size, Grid{})) << size;
  }
}

// A caller bounds a search by guesses or stops it from another thread: it
// returns at once, marked stopped, with what it had found. Counting every
// solution of an empty board would not end otherwise.
TEST(SearchTest, limitsStopTheSearch) {
  for (const int size : {9, 16}) {
    SCOPED_TRACE(size);
    engine::SearchLimits bounded;
    bounded.maxGuesses = 300;
    const engine::SearchResult r = CountSolutions(size, Grid{}, INT_MAX, {}, bounded);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.guesses, 300);
    EXPECT_GT(r.solutions, 0);
    EXPECT_TRUE(engine::IsSolvedGrid(size, r.first));

    // Enough guesses: the answer is complete and not marked.
    bounded.maxGuesses = 100000;
    const engine::SearchResult enough = CountSolutions(size, Grid{}, 2, {}, bounded);
    EXPECT_FALSE(enough.stopped);
    EXPECT_EQ(enough.solutions, 2);

    std::atomic<bool> cancel{true};
    engine::SearchLimits limits;
    limits.cancel = &cancel;
    const engine::SearchResult before = CountSolutions(size, Grid{}, 2, {}, limits);
    EXPECT_TRUE(before.stopped);
    EXPECT_EQ(before.guesses, 0);
    EXPECT_EQ(before.solutions, 0);

    cancel = false;
    engine::SearchResult during;
    std::thread worker([&] { during = CountSolutions(size, Grid{}, INT_MAX, {}, limits); });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    cancel = true;
    worker.join();
    EXPECT_TRUE(during.stopped);
    EXPECT_GT(during.guesses, 0);
  }
}

// Boards of every density from empty to full, of both sizes: cut from a
// random solved grid, a third of them with one cell overwritten (often a
// contradiction), and a fifth with their first rows left whole over a
// sparse rest. The first solution and the count to two end within a budget
// of guesses, and agree with each other.
TEST(SearchTest, everyDensityEndsWithinAGuessBudget) {
  constexpr long kBudget = 3000;
  engine::SearchLimits limits;
  limits.maxGuesses = kBudget;
  long worst = 0;
  const auto check = [&](int size, const Grid& board) {
    SCOPED_TRACE(engine::PuzzleLineOf(size, board));
    const engine::SearchResult first = CountSolutions(size, board, 1, {}, limits);
    const engine::SearchResult two = CountSolutions(size, board, 2, {}, limits);
    ASSERT_FALSE(first.stopped);
    ASSERT_FALSE(two.stopped);
    EXPECT_EQ(first.solutions, std::min(two.solutions, 1));
    if (first.solutions > 0) {
      EXPECT_TRUE(engine::SolvesPuzzle(size, board, first.first));
    }
    worst = std::max({worst, first.guesses, two.guesses});
  };
  for (const int size : {9, 16}) {
    const int cells = size * size;
    for (int percent = 0; percent <= 100; percent += 2) {
      for (int i = 0; i < 30 / kCaseDivisor + 1; ++i) {
        engine::Random random(static_cast<std::uint64_t>(size * 100000 + percent * 100 + i));
        Grid board = engine::RandomFullGrid(size, random);
        const int wholeRows = i % 5 == 4 ? 1 + random.Below(size / 2) : 0;
        for (int c = wholeRows * size; c < cells; ++c) {
          if (random.Below(100) >= percent) board[static_cast<std::size_t>(c)] = 0;
        }
        if (i % 3 == 0) {
          board[static_cast<std::size_t>(random.Below(cells))] =
              static_cast<std::uint8_t>(1 + random.Below(size));
        }
        check(size, board);
      }
    }
  }
  // Five rows filled, a sixth in part, a few clues below: the count to two
  // used to take minutes.
  check(16,
        GridOf("C3B45AE8D29FG671D72G6B14A8E5C3F919E623FDBG7CA5848F5ACG976341E2.BF263485G91CBDEA7"
               "487E9D6BGF5A2C13G.15E7C3..24..B..D9C.F......5...9...............7......F..D......."
               "...C........................2..5......7..........8.............................."
               "....8........."));
  // Twelve cells of the first row can take only eleven digits: the other
  // four stand in their columns, and one of the twelve stands beside them.
  // No single, matching or column rule sees it; refuting it digit by digit
  // takes millions of guesses.
  engine::Random random(1);
  const Grid full = engine::RandomFullGrid(16, random);
  Grid pigeonhole{};
  for (int c = 0; c < 12; ++c) {
    for (int r = 1; r < 16; ++r) {
      const std::uint8_t d = full[static_cast<std::size_t>(r * 16 + c)];
      if (std::find(full.begin() + 12, full.begin() + 16, d) != full.begin() + 16) {
        pigeonhole[static_cast<std::size_t>(r * 16 + c)] = d;
      }
    }
  }
  pigeonhole[12] = full[0];
  check(16, pigeonhole);
  EXPECT_EQ(CountSolutions(16, pigeonhole, 2).solutions, 0);
  RecordProperty("worstGuesses", static_cast<int>(worst));
}

// Singles alone: whatever they fill is the search's one solution.
TEST(SearchTest, singlesFillOnlyWhatTheSearchConfirms) {
  int bySingles = 0;
  for (int i = 0; i < 400 / kCaseDivisor; ++i) {
    engine::Random random(static_cast<std::uint64_t>(i));
    const int size = i % 4 == 0 ? 16 : 9;
    const Grid full = engine::RandomFullGrid(size, random);
    const Grid puzzle =
        engine::RemoveClues(size, full, engine::Symmetry::None, random,
                            i % 2 == 0 ? engine::Grade::Easy : engine::Grade::Expert);
    Grid filled{};
    if (engine::SolveBySingles(size, puzzle, filled)) {
      ++bySingles;
      EXPECT_EQ(filled, full);
    }
  }
  EXPECT_GE(bySingles, 200 / kCaseDivisor);  // every easy one, and some of the others
}

}  // namespace
}  // namespace gridora::testing
