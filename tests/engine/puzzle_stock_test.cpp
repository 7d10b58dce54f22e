// SPDX-License-Identifier: MIT
// The puzzle stock: its file byte for byte, dropped when damaged or graded
// under other rules; refilled key by key; a puzzle taken once is gone for
// every program sharing the file; the worker at idle priority, woken by a
// take and stopped on request.

#include <dirent.h>
#include <sched.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <set>
#include <thread>

#include "engine/puzzle_stock.h"
#include "support/temp_dir.h"

namespace gridora::testing {
namespace {

using engine::Grade;
using engine::StockKey;
using engine::Symmetry;

constexpr const char* kPuzzle =
    "......8.....8.1..48.3...72..2..36.1..5.1.4.9..1.98..5..47...3.25..7.3.....1......";
constexpr const char* kSolution =
    "194372865275861934863459721729536418358124697416987253947615382582793146631248579";
// The file of a stock holding that one puzzle, written out by hand; the
// checksum is FNV-1a over the lines before "end".
constexpr const char* kOneEasy =
    "gridora puzzle stock 1\n"
    "grade rules 4\n"
    "9 easy symmetric "
    "......8.....8.1..48.3...72..2..36.1..5.1.4.9..1.98..5..47...3.25..7.3.....1......"
    " 194372865275861934863459721729536418358124697416987253947615382582793146631248579\n"
    "end 1 4eab8ffcfe5bf320\n";
constexpr const char* kEmpty =
    "gridora puzzle stock 1\n"
    "grade rules 4\n"
    "end 0 fc28c80dcd4950c0\n";

engine::Grid GridOf(const char* line) {
  engine::Grid grid{};
  for (int c = 0; c < 81; ++c)
    grid[static_cast<std::size_t>(c)] =
        static_cast<std::uint8_t>(line[c] == '.' ? 0 : line[c] - '0');
  return grid;
}

const StockKey kEasy{9, Grade::Easy, Symmetry::Rotate180};
const StockKey kHardPlain{9, Grade::Hard, Symmetry::None};

TEST(PuzzleStockTest, fileBytesAndEveryKindOfDamage) {
  static_assert(engine::kGradeRulesVersion == 4, "the file above was written under rules 4");
  const engine::StockedPuzzle one{kEasy, GridOf(kPuzzle), GridOf(kSolution)};
  EXPECT_EQ(engine::FormatStock({one}), kOneEasy);
  EXPECT_EQ(engine::FormatStock({}), kEmpty);
  const auto parsed = engine::ParseStock(kOneEasy);
  ASSERT_TRUE(parsed);
  ASSERT_EQ(parsed->size(), 1u);
  EXPECT_EQ((*parsed)[0].key, kEasy);
  EXPECT_EQ((*parsed)[0].puzzle, one.puzzle);
  EXPECT_EQ((*parsed)[0].solution, one.solution);

  const std::string good = kOneEasy;
  struct Case {
    const char* what;
    std::string text;
  };
  const Case damaged[] = {
      // Each with a checksum that fits its lines, so that only the named
      // fault can reject it.
      // A stock of the deduction solver's grades, before the rating's.
      {"graded under other rules", "gridora puzzle stock 1\ngrade rules 1\n9 easy symmetric " +
                                       std::string(kPuzzle) + " " + kSolution +
                                       "\nend 1 171f9efd73caea8b\n"},
      {"a solution that does not solve the puzzle",
       "gridora puzzle stock 1\ngrade rules 4\n9 easy symmetric " + std::string(kPuzzle) +
           " 914372865" + std::string(kSolution + 9) + "\nend 1 11a45d64bef58850\n"},
      {"cut short", good.substr(0, good.size() - 10)},
      {"without its end line", good.substr(0, good.find("end "))},
      {"a digit changed",
       [&] {
         std::string t = good;
         t[t.find(" 1943") + 1] = '2';
         return t;
       }()},
      {"a count that disagrees",
       [&] {
         std::string t = good;
         t[t.find("end 1") + 4] = '2';
         return t;
       }()},
      {"another format", "stock\n"},
      {"empty", ""},
  };
  for (const Case& c : damaged) EXPECT_FALSE(engine::ParseStock(c.text)) << c.what;
}

TEST(PuzzleStockTest, refillsKeyByKeyAndNeverServesAPuzzleTwice) {
  TempDir dir;
  const std::string folder = dir / "cache";
  engine::PuzzleStock stock(folder, 2, {kEasy, kHardPlain});
  EXPECT_FALSE(stock.Take(kEasy));
  // The key that lacks most first, ties in the keys' order.
  const std::pair<int, int> expected[] = {{1, 0}, {1, 1}, {2, 1}, {2, 2}};
  for (const auto& [easy, hard] : expected) {
    ASSERT_TRUE(stock.RefillOne());
    EXPECT_EQ(stock.Count(kEasy), easy);
    EXPECT_EQ(stock.Count(kHardPlain), hard);
  }
  EXPECT_FALSE(stock.RefillOne()) << "full";
  ASSERT_TRUE(engine::ParseStock(ReadBytes(stock.FilePath())));

  // A second program on the same folder shares the file.
  engine::PuzzleStock other(folder, 2, {kEasy, kHardPlain});
  std::set<std::string> served;
  for (int i = 0; i < 2; ++i) {
    for (engine::PuzzleStock* s : {&stock, &other}) {
      const auto key = s == &stock ? kEasy : kHardPlain;
      const std::optional<engine::Generated> g = s->Take(key);
      ASSERT_TRUE(g);
      const std::string line = engine::PuzzleLineOf(9, g->puzzle);
      EXPECT_TRUE(served.insert(line).second) << "served twice: " << line;
      EXPECT_TRUE(engine::SolvesPuzzle(9, g->puzzle, g->solution));
      EXPECT_EQ(engine::CountSolutions(9, g->puzzle, 2).solutions, 1);
      EXPECT_EQ(g->grade, key.grade);
      EXPECT_EQ(engine::GradeOf(9, g->puzzle), key.grade);
      int clues = 0;
      for (int c = 0; c < 81; ++c) {
        clues += g->puzzle[static_cast<std::size_t>(c)] != 0;
        if (key.symmetry == Symmetry::Rotate180) {
          EXPECT_EQ(g->puzzle[static_cast<std::size_t>(c)] != 0,
                    g->puzzle[static_cast<std::size_t>(80 - c)] != 0);
        }
      }
      EXPECT_EQ(g->clues, clues);
    }
  }
  EXPECT_FALSE(stock.Take(kEasy));
  EXPECT_FALSE(other.Take(kHardPlain));
  EXPECT_EQ(ReadBytes(stock.FilePath()), kEmpty);
}

TEST(PuzzleStockTest, aDamagedOrOutdatedFileIsDroppedAndRefilled) {
  TempDir dir;
  for (const std::string& text :
       {std::string("garbage"), std::string(kOneEasy).replace(35, 1, "9"), std::string()}) {
    WriteBytes(dir / "puzzle-stock.txt", text);
    engine::PuzzleStock stock(dir.path().string(), 1, {kEasy});
    EXPECT_EQ(stock.Count(kEasy), 0) << text;
    EXPECT_EQ(ReadBytes(stock.FilePath()), kEmpty) << text;
    EXPECT_TRUE(stock.RefillOne());
    EXPECT_EQ(stock.Count(kEasy), 1);
  }
  // The file as written by hand is read as it is.
  WriteBytes(dir / "puzzle-stock.txt", kOneEasy);
  engine::PuzzleStock stock(dir.path().string(), 1, {kEasy});
  const auto g = stock.Take(kEasy);
  ASSERT_TRUE(g);
  EXPECT_EQ(g->puzzle, GridOf(kPuzzle));
  EXPECT_EQ(g->solution, GridOf(kSolution));
  EXPECT_EQ(g->clues, 28);
  // No folder, no stock.
  engine::PuzzleStock none("", 1, {kEasy});
  EXPECT_FALSE(none.RefillOne());
  EXPECT_FALSE(none.Take(kEasy));
  none.StartRefill();
  none.Stop();
}

// The thread of the worker, found by its name; 0 while there is none.
pid_t StockThread() {
  DIR* tasks = ::opendir("/proc/self/task");
  pid_t found = 0;
  while (dirent* entry = ::readdir(tasks)) {
    std::ifstream comm(std::string("/proc/self/task/") + entry->d_name + "/comm");
    std::string name;
    if (std::getline(comm, name) && name == "gridora-stock") found = std::atoi(entry->d_name);
  }
  ::closedir(tasks);
  return found;
}

TEST(PuzzleStockTest, theWorkerFillsTheStockAtIdlePriorityAndStops) {
  TempDir dir;
  engine::PuzzleStock stock(dir.path().string(), 2, {kEasy, kHardPlain});
  stock.StartRefill();
  // Waits without a deadline a test could miss on a busy machine; ctest's
  // timeout ends a worker that never fills the stock.
  pid_t worker = 0;
  while ((worker = StockThread()) == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_EQ(::sched_getscheduler(worker), SCHED_IDLE);
  while (stock.Count(kEasy) < 2 || stock.Count(kHardPlain) < 2)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  // Full: the worker sleeps until a take wakes it, then makes the one
  // puzzle that is missing.
  ASSERT_TRUE(stock.Take(kHardPlain));
  stock.StartRefill();
  while (stock.Count(kHardPlain) < 2) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  stock.Stop();
  EXPECT_EQ(StockThread(), 0);
  EXPECT_GT(stock.WorkerCpuSeconds(), 0.0);
  EXPECT_EQ(stock.Count(kEasy), 2);
}

}  // namespace
}  // namespace gridora::testing
