// SPDX-License-Identifier: MIT
// The end of a solve on hand-made end states: which message, which cells are
// written back, which cells of which answer slots turn yellow.

#include "solver/finish_solve.h"

#include <string>

#include "solver_support.h"

namespace gridora::testing {
namespace {

class FinishSolveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (std::size_t i = 0; i < messages.size(); ++i) messages[i] = kSolveMessageTexts[i];
  }

  void Finish(int size, int count, SolveState state, int level, int cell, bool showLevel) {
    FinishSolve(FinishInput{size, count, state, level, cell, showLevel}, messages, grid, settled,
                outcome);
  }

  CellCode& Answer(int slot, int cell) {
    return outcome.answers[static_cast<std::size_t>(slot - 1)][static_cast<std::size_t>(cell)];
  }

  std::array<std::string, 8> messages;
  std::array<int, kMaxCells> grid{};     // CellDigit of every cell at the end
  std::array<int, kMaxCells> settled{};  // MaskDigit of the last base state
  SolveOutcome outcome;                  // board = the board the solve started from
};

TEST_F(FinishSolveTest, nothingSolvedWritesTheFixedOpenCellsBackInGreen) {
  // Open, given 3, old green 5, old yellow 6, open, open.
  for (auto [cell, code] : {std::pair{1, 3}, {2, 128 + 5}, {3, 256 + 6}}) {
    outcome.board[static_cast<std::size_t>(cell)] = static_cast<CellCode>(code);
  }
  // The grid fixed cell 0 to 7, kept the given, left cell 2 open, fixed
  // cell 3 to 2 and ran out of candidates at cell 4.
  grid[0] = 7;
  grid[1] = 3;
  grid[2] = 0;
  grid[3] = 2;
  grid[4] = -1;
  grid[81] = 9;  // beyond the 9 x 9 board
  Finish(9, 0, SolveState::Contradiction, kLevelHard, 4, true);
  EXPECT_EQ(outcome.message, "エラー発生  場所：( x =  5, y =  1)");
  EXPECT_EQ(outcome.board[0], 128 + 7);
  EXPECT_EQ(outcome.board[1], 3);
  EXPECT_EQ(outcome.board[2], 128 + 5);  // open in the grid: keeps its old code
  EXPECT_EQ(outcome.board[3], 128 + 2);  // the old yellow 6 gives way
  EXPECT_EQ(outcome.board[4], 0);
  EXPECT_EQ(outcome.board[81], 0);

  // Stuck: the other text, the same write-back.
  outcome = SolveOutcome{};
  Finish(9, 0, SolveState::Stuck, kLevelHard, 4, true);
  EXPECT_EQ(outcome.message, "解けませんでした");
  EXPECT_EQ(outcome.board[0], 128 + 7);
  EXPECT_EQ(outcome.board[3], 128 + 2);
}

TEST_F(FinishSolveTest, locationIsColumnThenRowInTwoColumns) {
  EXPECT_EQ(LocationText(0, 9), "( x =  1, y =  1)");
  EXPECT_EQ(LocationText(80, 9), "( x =  9, y =  9)");
  EXPECT_EQ(LocationText(3 * 9 + 1, 9), "( x =  2, y =  4)");
  EXPECT_EQ(LocationText(0, 16), "( x = 1, y = 1 )");
  EXPECT_EQ(LocationText(2 * 16 + 11, 16), "( x =12, y = 3 )");
  EXPECT_EQ(LocationText(255, 16), "( x =16, y =16 )");
  EXPECT_EQ(LocationText(9 * 16, 16), "( x = 1, y =10 )");
}

TEST_F(FinishSolveTest, oneSolutionMessageDependsOnStateAndLevelSetting) {
  struct Case {
    SolveState state;
    int level;
    bool showLevel;
    const char* message;
  };
  for (const Case& c : {
           Case{SolveState::Solved, kLevelHard, false, "成功！"},
           Case{SolveState::Solved, kLevelStandard, true, "成功！ -標準-"},
           Case{SolveState::Solved, kLevelHard, true, "成功！ -難問-"},
           // Every candidate of the last cell failed after the solution was stored.
           Case{SolveState::Contradiction, kLevelHard, true, "成功！ -難問-"},
           Case{SolveState::Contradiction, kLevelHard, false, "成功！"},
           // The limit ended the search: no level, whatever the setting.
           Case{SolveState::Stuck, kLevelHard, true, "1つの解を発見 (おそらく更に別解が多数存在)"},
       }) {
    outcome = SolveOutcome{};
    Answer(1, 0) = 128 + 4;
    Finish(9, 1, c.state, c.level, 0, c.showLevel);
    EXPECT_EQ(outcome.message, c.message)
        << static_cast<int>(c.state) << " " << c.level << " " << c.showLevel;
    EXPECT_EQ(Answer(1, 0), 128 + 4);  // nothing settled, nothing to compare
  }
}

TEST_F(FinishSolveTest, severalSolutionsTurnEveryDifferingCellYellowInEachSlot) {
  // Cell 0 a given 5; cell 1 green 1 everywhere; cell 2 differs only in
  // slot 3; cell 3 only in slot 2; slot 4 is no answer of this solve.
  const int codes[4][4] = {
      {5, 129, 130, 132}, {5, 129, 130, 133}, {5, 129, 131, 132}, {5, 129, 135, 140}};
  for (int slot = 1; slot <= 4; ++slot) {
    for (int cell = 0; cell < 4; ++cell) {
      Answer(slot, cell) = static_cast<CellCode>(codes[slot - 1][cell]);
    }
  }
  Finish(9, 3, SolveState::Contradiction, kLevelHard, 0, true);
  EXPECT_EQ(outcome.message, " 3つの解を発見");
  for (int slot = 1; slot <= 3; ++slot) {
    EXPECT_EQ(Answer(slot, 0), 5) << slot;
    EXPECT_EQ(Answer(slot, 1), 129) << slot;
  }
  EXPECT_EQ(Answer(1, 2), 256 + 2);
  EXPECT_EQ(Answer(2, 2), 256 + 2);
  EXPECT_EQ(Answer(3, 2), 256 + 3);
  EXPECT_EQ(Answer(1, 3), 256 + 4);
  EXPECT_EQ(Answer(2, 3), 256 + 5);
  EXPECT_EQ(Answer(3, 3), 256 + 4);
  EXPECT_EQ(Answer(4, 2), 135);
  EXPECT_EQ(Answer(4, 3), 140);
}

TEST_F(FinishSolveTest, searchThatGaveUpAlsoMarksCellsTheLastBaseHadSettled) {
  // Board: a given 4, three open cells, an old green 9 (not a given), and
  // two more open cells.
  outcome.board[0] = 4;
  outcome.board[3] = 128 + 9;
  const int slot1[7] = {4, 129, 130, 137, 131, 133, 135};
  const int slot2[7] = {4, 129, 131, 137, 130, 133, 135};
  for (int cell = 0; cell < 7; ++cell) {
    Answer(1, cell) = static_cast<CellCode>(slot1[cell]);
    Answer(2, cell) = static_cast<CellCode>(slot2[cell]);
  }
  // The base had fixed the given, cell 1, the old green cell, and cell 6 (to
  // 8, while both solutions hold 7 there); cell 4 had no candidate left.
  settled = {4, 1, 0, 9, -1, 0, 8};
  Finish(9, 2, SolveState::Stuck, kLevelHard, 0, true);
  EXPECT_EQ(outcome.message, " 2つの解を発見 (おそらく更に別解が多数存在)");
  const int marked1[7] = {4, 257, 258, 265, 259, 133, 263};
  const int marked2[7] = {4, 257, 259, 265, 258, 133, 263};
  for (int cell = 0; cell < 7; ++cell) {
    EXPECT_EQ(Answer(1, cell), marked1[cell]) << cell;
    EXPECT_EQ(Answer(2, cell), marked2[cell]) << cell;
  }
}

TEST_F(FinishSolveTest, settledCellsReachTheLastCellOfASixteenBoard) {
  outcome.board[200] = 10;
  Answer(1, 200) = 10;
  Answer(1, 255) = 128 + 16;
  Answer(1, 254) = 128 + 15;
  settled[200] = 10;
  settled[255] = 16;
  Finish(16, 1, SolveState::Stuck, kLevelHard, 0, false);
  EXPECT_EQ(outcome.message, "1つの解を発見 (おそらく更に別解が多数存在)");
  EXPECT_EQ(Answer(1, 200), 10);
  EXPECT_EQ(Answer(1, 255), 256 + 16);
  EXPECT_EQ(Answer(1, 254), 128 + 15);
}

}  // namespace
}  // namespace gridora::testing
