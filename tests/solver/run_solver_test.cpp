// SPDX-License-Identifier: MIT
#include "solver/run_solver.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/history.h"
#include "solver_support.h"

namespace gridora::testing {
namespace {

// Puzzles from the public sets: the first of the 17-clue sample (deduction
// alone), two of the top1465 list (the first needs more than the hypothesis
// search can give, the fourth is solved by it with committed digits), and
// two of the serg sample (many solutions).
constexpr std::string_view kLogicOnly =
    ".................1.....2.3......3.2...1.4......5....6..3......4.7..8...962...7...";
constexpr std::string_view kBeyondLogic =
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........";
constexpr std::string_view kNeedsSearch =
    "3.7.4...........918........4.....7.....16.......25..........38..9....5...2.6.....";
constexpr std::string_view kLimitAfterOne =
    "8.........95.......76.........872946...514237...936518.....1465....2.793...6..182";
constexpr std::string_view kTenInModeZero =
    "8.........59.......76..........7.245...4.2713......968...651497...928136...734582";

using RunSolverTest = SolverTest;

bool KeepsGivens(const BoardCodes& answer, const BoardCodes& puzzle, int cells) {
  for (int i = 0; i < cells; ++i) {
    const int given = puzzle[static_cast<std::size_t>(i)];
    const int code = answer[static_cast<std::size_t>(i)];
    if (given != 0 ? code != given : ClassOf(code) == kClassBlack) return false;
  }
  return true;
}

TEST_F(RunSolverTest, deductionAloneIsStandardAndShowsGreenDigits) {
  Put(kLogicOnly);
  const BoardCodes puzzle = state.Board;
  state.settings.LPrintMode = true;
  const SolveOutcome outcome = RunSolver(app);
  EXPECT_EQ(screen.informText, "成功！ -標準-");
  EXPECT_EQ(outcome.trials, 0);
  EXPECT_TRUE(IsCompleteGrid(state.Board, 9));
  EXPECT_TRUE(KeepsGivens(state.Board, puzzle, 81));
  for (int i = 0; i < 81; ++i) {
    if (puzzle[static_cast<std::size_t>(i)] == 0) {
      EXPECT_EQ(ClassOf(Code(i)), kClassGreen) << i;
    }
  }
  EXPECT_EQ(state.Board, state.AnswerSlot[1]);
  EXPECT_EQ(EnabledAnswers(), 1);
  EXPECT_EQ(screen.Cell(9, 0).color, state.settings.SoftColor[1]);
  // The window was locked for the solve and is free again.
  EXPECT_EQ(screen.solvingStarts, 1);
  EXPECT_FALSE(screen.solving);
  // Progress starts from an empty bar for solution 1; the slot fetch reported too.
  EXPECT_EQ(screen.informHistory.at(0), "検索中：解１  □□□□□□□□□□□□□□□□");
  EXPECT_NE(std::find(screen.informHistory.begin(), screen.informHistory.end(),
                      "解 no.1 からデータを取り出しました"),
            screen.informHistory.end());
  // The solve is one undo step.
  UndoStep(app);
  EXPECT_EQ(state.Board, puzzle);
}

TEST_F(RunSolverTest, levelOffSaysOnlySuccess) {
  Put(kLogicOnly);
  RunSolver(app);
  EXPECT_EQ(screen.informText, "成功！");
}

TEST_F(RunSolverTest, hypothesisSearchMakesItHard) {
  Put(kNeedsSearch);
  state.settings.LPrintMode = true;
  const SolveOutcome outcome = RunSolver(app);
  EXPECT_EQ(screen.informText, "成功！ -難問-");
  EXPECT_GT(outcome.trials, 0);
  EXPECT_TRUE(IsCompleteGrid(state.Board, 9));
}

TEST_F(RunSolverTest, modeOneCommitsASeenDigitWithoutTrial) {
  Put(kNeedsSearch);
  const BoardCodes puzzle = state.Board;
  const SolveOutcome seen = RunSolver(app);
  EXPECT_GT(seen.commitments, 0);
  EXPECT_EQ(seen.solutionCount, 1);
  EXPECT_TRUE(IsCompleteGrid(seen.answers[0], 9));
  EXPECT_TRUE(KeepsGivens(seen.answers[0], puzzle, 81));

  state.Board = puzzle;
  state.settings.KateiMode = 0;  // every candidate is tried
  const SolveOutcome tried = RunSolver(app);
  EXPECT_EQ(tried.commitments, 0);
  EXPECT_GT(tried.trials, seen.trials);
}

TEST_F(RunSolverTest, twoSevensInRowOneGiveTheLocation) {
  Put(".7..7" + std::string(76, '.'));
  const BoardCodes puzzle = state.Board;
  RunSolver(app);
  EXPECT_EQ(screen.informText, "エラー発生  場所：( x =  5, y =  1)");
  EXPECT_EQ(state.Board, puzzle);
}

TEST_F(RunSolverTest, sixteenBoardLocationHasItsOwnForm) {
  std::string line(256, '.');
  line[32] = '3';
  line[43] = '3';  // row 3, column 12
  Put(line);
  RunSolver(app);
  EXPECT_EQ(screen.informText, "エラー発生  場所：( x =12, y = 3 )");
}

TEST_F(RunSolverTest, emptyBoardCannotBeSolved) {
  const SolveOutcome outcome = RunSolver(app);
  EXPECT_EQ(screen.informText, "解けませんでした");
  EXPECT_EQ(outcome.solutionCount, 0);
  EXPECT_EQ(outcome.level, kLevelHard);
  EXPECT_EQ(state.Board, BoardCodes{});
}

TEST_F(RunSolverTest, limitsZeroAndOneMakeNoTrial) {
  Put(kBeyondLogic);
  const BoardCodes puzzle = state.Board;
  state.settings.KateiMax9 = 0;
  const SolveOutcome zero = RunSolver(app);
  EXPECT_EQ(screen.informText, "解けませんでした");
  EXPECT_EQ(zero.level, kLevelStandard);  // the search was not entered
  const BoardCodes logicOnly = state.Board;

  state.Board = puzzle;
  state.settings.KateiMax9 = 1;
  const SolveOutcome one = RunSolver(app);
  EXPECT_EQ(screen.informText, "解けませんでした");
  EXPECT_EQ(one.level, kLevelHard);  // entered, but no cell qualified
  EXPECT_EQ(one.trials, 0);
  EXPECT_EQ(state.Board, logicOnly);

  // What deduction fixed is written back in green; the givens stay black.
  int green = 0;
  for (int i = 0; i < 81; ++i) {
    const int code = logicOnly[static_cast<std::size_t>(i)];
    if (puzzle[static_cast<std::size_t>(i)] != 0) {
      EXPECT_EQ(code, puzzle[static_cast<std::size_t>(i)]);
    } else if (code != 0) {
      EXPECT_EQ(ClassOf(code), kClassGreen);
      ++green;
    }
  }
  EXPECT_GT(green, 0);
}

TEST_F(RunSolverTest, negativeLimitCountsAsZero) {
  Put(kBeyondLogic);
  const BoardCodes puzzle = state.Board;
  state.settings.KateiMax9 = 0;
  RunSolver(app);
  const BoardCodes atZero = state.Board;
  state.Board = puzzle;
  state.settings.KateiMax9 = -5;
  const SolveOutcome outcome = RunSolver(app);
  EXPECT_EQ(outcome.level, kLevelStandard);
  EXPECT_EQ(state.Board, atZero);
}

// A solved grid without the four corners of a rectangle over two boxes whose
// digits swap: exactly two solutions.
std::string SwappableRectangle() {
  std::string line(kSolved9);
  for (int r1 = 0; r1 < 9; ++r1) {
    for (int r2 = r1 + 1; r2 < r1 / 3 * 3 + 3; ++r2) {
      for (int c1 = 0; c1 < 9; ++c1) {
        for (int c2 = (c1 / 3 + 1) * 3; c2 < 9; ++c2) {
          const auto at = [&](int r, int c) { return static_cast<std::size_t>(r * 9 + c); };
          if (line[at(r1, c1)] == line[at(r2, c2)] && line[at(r1, c2)] == line[at(r2, c1)]) {
            for (auto i : {at(r1, c1), at(r1, c2), at(r2, c1), at(r2, c2)}) line[i] = '.';
            return line;
          }
        }
      }
    }
  }
  ADD_FAILURE() << "no rectangle";
  return line;
}

// Opens in `line` the first swappable rectangle whose rows lie in `band` and
// whose columns avoid `busy` (one bit per column); returns its columns.
unsigned OpenRectangleInBand(std::string& line, int band, unsigned busy) {
  const auto at = [](int r, int c) { return static_cast<std::size_t>(r * 9 + c); };
  for (int r1 = band * 3; r1 < band * 3 + 3; ++r1) {
    for (int r2 = r1 + 1; r2 < band * 3 + 3; ++r2) {
      for (int c1 = 0; c1 < 9; ++c1) {
        for (int c2 = (c1 / 3 + 1) * 3; c2 < 9; ++c2) {
          const unsigned columns = 1u << c1 | 1u << c2;
          if ((columns & busy) != 0) continue;
          if (line[at(r1, c1)] == line[at(r2, c2)] && line[at(r1, c2)] == line[at(r2, c1)]) {
            for (auto i : {at(r1, c1), at(r1, c2), at(r2, c1), at(r2, c2)}) line[i] = '.';
            return columns;
          }
        }
      }
    }
  }
  return 0;
}

TEST_F(RunSolverTest, cellWithTwoUndecidedDigitsIsGivenUp) {
  // Two rectangles that share no row, column or box: four solutions. A trial
  // on a cell of one settles that rectangle and gets stuck on the other, so
  // both digits of every chosen cell stay undecided and each cell is given
  // up in turn; no cell has three candidates, and the search ends at the
  // limit without a solution, the board as it was.
  std::string line(kSolved9);
  unsigned busy = 0;
  for (int band = 0; band < 3 && busy == 0; ++band) {
    busy = OpenRectangleInBand(line, band, 0);
    if (busy == 0) continue;
    unsigned second = 0;
    for (int other = band + 1; other < 3 && second == 0; ++other) {
      second = OpenRectangleInBand(line, other, busy);
    }
    ASSERT_NE(second, 0u);
  }
  ASSERT_EQ(std::count(line.begin(), line.end(), '.'), 8);
  Put(line);
  const BoardCodes puzzle = state.Board;

  state.settings.KateiMode = 0;  // every digit of all eight open cells is tried
  const SolveOutcome tried = RunSolver(app);
  EXPECT_EQ(screen.informText, "解けませんでした");
  EXPECT_EQ(tried.trials, 16);
  EXPECT_EQ(tried.level, kLevelHard);
  EXPECT_EQ(state.Board, puzzle);
  EXPECT_EQ(EnabledAnswers(), 0);

  // Mode 1, one rectangle with cells a < b < c < d (a, b in one row, a, c
  // in one column) and digits x < y. Trial a = x is stuck and its fixed
  // digits are seen: b y, c y, d x. Trial a = y is the second undecided one,
  // which gives the cell up before anything is collected. At b, x is not
  // seen: one trial (stuck; now b x, c x, d y are seen too), then y is seen
  // and skipped. c and d hold both digits as seen: no trial. Three trials a
  // rectangle.
  state.settings.KateiMode = 1;
  const SolveOutcome seen = RunSolver(app);
  EXPECT_EQ(screen.informText, "解けませんでした");
  EXPECT_EQ(seen.trials, 6);
  EXPECT_EQ(seen.commitments, 0);
  EXPECT_EQ(state.Board, puzzle);
}

TEST_F(RunSolverTest, twoSolutionsAreMarkedYellowInBothSlots) {
  const std::string line = SwappableRectangle();
  Put(line);
  const SolveOutcome outcome = RunSolver(app);
  EXPECT_EQ(screen.informText, " 2つの解を発見");
  EXPECT_EQ(outcome.solutionCount, 2);
  EXPECT_EQ(EnabledAnswers(), 2);
  EXPECT_TRUE(screen.answerMenu[2]);
  EXPECT_FALSE(screen.answerMenu[3]);
  EXPECT_EQ(state.Board, state.AnswerSlot[1]);
  for (int i = 0; i < 81; ++i) {
    const bool open = line[static_cast<std::size_t>(i)] == '.';
    for (int slot : {1, 2}) {
      const int code =
          state.AnswerSlot[static_cast<std::size_t>(slot)][static_cast<std::size_t>(i)];
      EXPECT_EQ(ClassOf(code), open ? kClassYellow : kClassBlack) << slot << " " << i;
    }
    if (open) {
      EXPECT_NE(DigitOf(state.AnswerSlot[1][static_cast<std::size_t>(i)]),
                DigitOf(state.AnswerSlot[2][static_cast<std::size_t>(i)]));
    }
  }
}

TEST_F(RunSolverTest, firstOpenCellIsChosenAndItsSmallerDigitTriedFirst) {
  // The four open cells hold two candidates each, so deduction is stuck. The
  // first cycle of the search (two candidates wanted) chooses the open cell
  // of lowest index; its smaller digit solves the puzzle and goes into slot
  // 1, its larger one into slot 2.
  const std::string line = SwappableRectangle();
  const auto first = static_cast<int>(line.find('.'));
  const int row = first / 9;
  int partner = first + 1;
  while (line[static_cast<std::size_t>(partner)] != '.') ++partner;
  ASSERT_EQ(partner / 9, row);
  const int own = kSolved9[static_cast<std::size_t>(first)] - '0';
  const int other = kSolved9[static_cast<std::size_t>(partner)] - '0';
  const int smaller = std::min(own, other), larger = std::max(own, other);

  Put(line);
  RunSolver(app);
  EXPECT_EQ(DigitOf(state.AnswerSlot[1][static_cast<std::size_t>(first)]), smaller);
  EXPECT_EQ(DigitOf(state.AnswerSlot[2][static_cast<std::size_t>(first)]), larger);

  Put(line);
  state.settings.AAnswerCheak = false;
  state.settings.LPrintMode = true;
  const SolveOutcome outcome = RunSolver(app);
  EXPECT_EQ(screen.informText, "成功！ -難問-");
  EXPECT_EQ(outcome.trials, 1);
  EXPECT_EQ(Code(first), 128 + smaller);
  EXPECT_EQ(Code(partner), 128 + larger);
}

TEST_F(RunSolverTest, firstSolutionEndsTheSolveWithoutAlternatives) {
  Put(SwappableRectangle());
  state.settings.AAnswerCheak = false;
  const SolveOutcome outcome = RunSolver(app);
  EXPECT_EQ(screen.informText, "成功！");
  EXPECT_EQ(outcome.solutionCount, 1);
  EXPECT_EQ(EnabledAnswers(), 1);
}

TEST_F(RunSolverTest, limitStopsAfterOneSolution) {
  Put(kLimitAfterOne);
  const BoardCodes puzzle = state.Board;
  const SolveOutcome outcome = RunSolver(app);
  EXPECT_EQ(screen.informText, "1つの解を発見 (おそらく更に別解が多数存在)");
  EXPECT_EQ(outcome.state, SolveState::Stuck);
  EXPECT_TRUE(IsCompleteGrid(state.Board, 9));
  // The cells the last base had settled are yellow; givens stay black.
  int yellow = 0;
  for (int i = 0; i < 81; ++i) {
    if (ClassOf(Code(i)) == kClassYellow) {
      ++yellow;
      EXPECT_EQ(puzzle[static_cast<std::size_t>(i)], 0) << i;
    }
  }
  EXPECT_GT(yellow, 0);
}

TEST_F(RunSolverTest, tenthSolutionEndsAtOnceKeepingNine) {
  Put(kTenInModeZero);
  const BoardCodes puzzle = state.Board;
  state.settings.KateiMode = 0;
  const SolveOutcome outcome = RunSolver(app);
  EXPECT_EQ(screen.informText, "解が多すぎます");
  EXPECT_EQ(outcome.solutionCount, 10);
  EXPECT_EQ(state.Board, puzzle);
  EXPECT_EQ(EnabledAnswers(), 9);
  for (int n = 1; n <= 9; ++n) {
    const BoardCodes& answer = state.AnswerSlot[static_cast<std::size_t>(n)];
    EXPECT_TRUE(IsCompleteGrid(answer, 9)) << n;
    EXPECT_TRUE(KeepsGivens(answer, puzzle, 81)) << n;
    for (int m = 1; m < n; ++m) EXPECT_NE(answer, state.AnswerSlot[static_cast<std::size_t>(m)]);
  }
  // The tenth solution's search shows its number in two full-width digits.
  EXPECT_NE(
      std::find_if(screen.informHistory.begin(), screen.informHistory.end(),
                   [](const std::string& text) { return text.starts_with("検索中：解１０  "); }),
      screen.informHistory.end());
}

TEST_F(RunSolverTest, solveWithoutSolutionLeavesEarlierAnswers) {
  Put(kLogicOnly);
  RunSolver(app);
  const BoardCodes answer = state.AnswerSlot[1];
  Put(".7..7" + std::string(76, '.'));
  RunSolver(app);
  EXPECT_EQ(state.AnswerSlot[1], answer);
  EXPECT_EQ(EnabledAnswers(), 1);
}

TEST_F(RunSolverTest, fullBoardShowsAFullBar) {
  Put(kSolved9);
  RunSolver(app);
  EXPECT_EQ(screen.informHistory.at(0), "検索中：解１  ■■■■■■■■■■■■■■■■");
  EXPECT_EQ(screen.informText, "成功！");
  for (int i = 0; i < 81; ++i) {
    EXPECT_EQ(ClassOf(Code(i)), kClassBlack);
  }
}

TEST_F(RunSolverTest, progressBarGrowsWithEveryFixedOpenCell) {
  // Two open cells, 79 and 80: the load shows the empty bar; the first sweep
  // fixes the 79 givens (81 down to 2 open: no square yet), then cell 79
  // (1 open of 2: 16 - floor(8.5) = 8 squares) and cell 80 (16 squares).
  std::string line(kSolved9);
  line[79] = '.';
  line[80] = '.';
  Put(line);
  screen.informHistory.clear();
  RunSolver(app);
  const std::string empty = "□□□□□□□□□□□□□□□□";
  const std::string half = "■■■■■■■■□□□□□□□□";
  const std::string full = "■■■■■■■■■■■■■■■■";
  const std::vector<std::string> expected = {"検索中：解１  " + empty, "検索中：解１  " + half,
                                             "検索中：解１  " + full,
                                             "解 no.1 からデータを取り出しました", "成功！"};
  EXPECT_EQ(screen.informHistory, expected);
}

TEST_F(RunSolverTest, colouredDigitsAreRecomputed) {
  Put(kLogicOnly);
  RunSolver(app);
  const BoardCodes solved = state.Board;
  // A wrong green digit in an open cell does not survive the next solve.
  const auto open = static_cast<std::size_t>(std::find(kLogicOnly.begin(), kLogicOnly.end(), '.') -
                                             kLogicOnly.begin());
  state.Board[open] = MakeCode(DigitOf(solved[open]) % 9 + 1, kClassGreen);
  RunSolver(app);
  EXPECT_EQ(state.Board, solved);
}

TEST_F(RunSolverTest, sixteenBoardIsSolved) {
  Put("D92.....G...43..4CF.....9D.2.6EB.E.1....F.8BC..AG56.....A3C....1.7G5A8....61....2..."
      "C....B7.......AE.964..G......F9.5.7.4............29....A.C..........645D.1......D...."
      "1.C.B7F.....E.C2G...8A9B..9.G52.....EF6.256..F.....D.B.E13.6.D........7A...8BC3....954.");
  RunSolver(app);
  EXPECT_EQ(screen.informText, "成功！");
  EXPECT_TRUE(IsCompleteGrid(state.Board, 16));
}

TEST_F(RunSolverTest, yieldsReachTheScreenAtTheChosenStride) {
  Put(kNeedsSearch);
  const BoardCodes puzzle = state.Board;
  RunSolver(app, 1);
  const long everyCell = screen.yieldCount;
  state.Board = puzzle;
  screen.yieldCount = 0;
  RunSolver(app, 16);
  EXPECT_GT(screen.yieldCount, 0);
  EXPECT_LT(screen.yieldCount * 8, everyCell);
}

}  // namespace
}  // namespace gridora::testing
