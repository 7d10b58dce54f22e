// SPDX-License-Identifier: MIT
// Boards no editing command makes: digits past N (a file can bring them) and
// codes of no colour class. The solver must end with one of its messages and
// keep to its arrays; the sanitizer build checks the latter.

#include <string>

#include "solver/run_solver.h"
#include "solver/solver.h"
#include "solver_support.h"

namespace gridora::testing {
namespace {

// A small fixed-seed generator, so every run sees the same boards.
class Lcg {
 public:
  explicit Lcg(unsigned seed) : state_(seed * 2654435761u + 1u) {}
  unsigned Next(unsigned bound) {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) % bound;
  }

 private:
  unsigned state_;
};

bool IsKnownMessage(const std::string& text) {
  for (const char* start : {"成功！", "エラー発生  場所：( x =", "解けませんでした",
                            "1つの解を発見", "解が多すぎます"}) {
    if (text.starts_with(start)) return true;
  }
  return text.find("つの解を発見") != std::string::npos;
}

using OddBoardsTest = SolverTest;

TEST_F(OddBoardsTest, anyCodesEndInAMessageAndSoundSlots) {
  for (unsigned seed = 0; seed < 40; ++seed) {
    const int size = seed % 2 == 0 ? 9 : 16;
    Lcg random(seed);
    // Part of a valid grid, with a few odd codes strewn over it.
    const int box = size == 16 ? 4 : 3;
    BoardCodes puzzle{};
    const int cells = size * size;
    for (int i = 0; i < cells; ++i) {
      const int r = i / size, c = i % size;
      if (random.Next(100) < 50) {
        puzzle[static_cast<std::size_t>(i)] =
            static_cast<CellCode>((box * (r % box) + r / box + c) % size + 1);
      }
    }
    for (unsigned n = 0; n < seed % 3; ++n) {
      const auto cell = static_cast<std::size_t>(random.Next(static_cast<unsigned>(cells)));
      switch (random.Next(4)) {
        case 0:  // a digit past the board's digits, black
          puzzle[cell] = static_cast<CellCode>(size + 1 + random.Next(127u - size));
          break;
        case 1:  // a digit a 9 x 9 board has no place for, but a mask has
          puzzle[cell] = static_cast<CellCode>(10 + random.Next(7));
          break;
        default:  // no colour class at all
          puzzle[cell] = static_cast<CellCode>(384 + random.Next(60000));
      }
    }
    // The solver itself, not the Solve command: codes of no colour class
    // are no model state, and only the solver promises to take any board.
    SolveSettings settings = SolveSettingsOf(state);
    settings.limit = size == 16 ? 2 : 3;
    const SolveOutcome outcome = size == 16
                                     ? Solve16(puzzle, settings, state.SolveMessages, nullptr)
                                     : Solve9(puzzle, settings, state.SolveMessages, nullptr);
    SCOPED_TRACE("seed " + std::to_string(seed));
    EXPECT_TRUE(IsKnownMessage(outcome.message)) << outcome.message;
    for (int n = 1; n <= outcome.storedAnswers(); ++n) {
      for (int i = 0; i < cells; ++i) {
        const int given = puzzle[static_cast<std::size_t>(i)];
        const int code =
            outcome.answers[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(i)];
        if (given >= 1 && given <= 127) {
          EXPECT_EQ(code, given);
        } else {
          EXPECT_GE(DigitOf(code), 1);
          EXPECT_LE(DigitOf(code), size);
          EXPECT_NE(ClassOf(code), kClassBlack);
        }
      }
    }
  }
}

TEST_F(OddBoardsTest, digitPastSixteenIsAContradictionAtItsCell) {
  BulkSet({{10, 40}});
  RunSolver(app);
  EXPECT_EQ(screen.informText, "エラー発生  場所：( x =  2, y =  2)");
}

}  // namespace
}  // namespace gridora::testing
