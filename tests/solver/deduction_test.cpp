// SPDX-License-Identifier: MIT
#include "solver/deduction.h"

#include <string>

#include "solver_support.h"

namespace gridora::testing {
namespace {

using Probe9 = DeductionProbe<9>;
constexpr CandMask kFull9 = 0x1FF;

int Solved(int cell) {
  return kSolved9[static_cast<std::size_t>(cell)] - '0';
}

TEST(DeductionTest, boardMissingOnlyTheLastCellIsSolvedInTheFirstSweep) {
  std::string line(kSolved9);
  line[80] = '.';
  RecordingHook hook;
  Probe9 probe(&hook);
  probe.Load(BoardOf(line));
  EXPECT_EQ(probe.emptyAtStart_, 1);
  probe.FirstSweep();
  EXPECT_EQ(probe.state_, SolveState::Solved);
  EXPECT_EQ(probe.c_, 80);
  EXPECT_EQ(probe.cellsLeft_, 0);
  EXPECT_EQ(probe.CellDigit(80), Solved(80));
  // Only the progress display yielded: the scan loop never ran.
  EXPECT_EQ(hook.yields, static_cast<long>(hook.texts.size()));
  EXPECT_EQ(hook.texts.back(), "検索中：解１  ■■■■■■■■■■■■■■■■");
}

TEST(DeductionTest, colouredDigitsLoadAsEmptyCells) {
  BoardCodes board{};
  for (int cell = 0; cell < 81; ++cell) {
    board[static_cast<std::size_t>(cell)] =
        static_cast<CellCode>(Solved(cell) + 128 * (1 + cell % 2));
  }
  Probe9 probe;
  probe.Load(board);
  EXPECT_EQ(probe.emptyAtStart_, 81);
  EXPECT_EQ(probe.cellsLeft_, 81);
  for (int cell = 0; cell < 81; ++cell) EXPECT_EQ(probe.Cand(cell), kFull9) << cell;
}

TEST(DeductionTest, twoEqualGivensContradictAtTheLaterCell) {
  Probe9 probe;
  probe.Load(BoardOf(".7..7" + std::string(76, '.')));
  probe.FirstSweep();
  EXPECT_EQ(probe.state_, SolveState::Contradiction);
  EXPECT_EQ(probe.c_, 4);
}

// Row 0 open everywhere, with a pair of {1, 2} at positions `first` and `second`.
Probe9 RowWithPair(int first, int second) {
  Probe9 probe;
  for (int cell = 0; cell < 81; ++cell) probe.Cand(cell) = kFull9;
  probe.Cand(first) = Digits({1, 2});
  probe.Cand(second) = Digits({1, 2});
  return probe;
}

TEST(DeductionTest, nakedPairWorksOnlyWithTheNextPosition) {
  Probe9 apart = RowWithPair(2, 5);
  apart.NakedPair(Geometry9::kUnits[0][0]);
  for (int cell : {0, 1, 3, 4, 6, 7, 8}) EXPECT_EQ(apart.Cand(cell), kFull9) << cell;
  EXPECT_FALSE(apart.Changed(2));

  Probe9 adjacent = RowWithPair(2, 3);
  adjacent.NakedPair(Geometry9::kUnits[0][0]);
  for (int cell : {0, 1, 4, 5, 6, 7, 8}) {
    EXPECT_EQ(adjacent.Cand(cell), kFull9 & ~Digits({1, 2})) << cell;
    EXPECT_TRUE(adjacent.Changed(cell)) << cell;
  }
  EXPECT_EQ(adjacent.Cand(2), Digits({1, 2}));
  EXPECT_TRUE(adjacent.Changed(2));
  EXPECT_FALSE(adjacent.Changed(3));
  EXPECT_EQ(adjacent.Cand(9), kFull9);   // other rows untouched
  EXPECT_EQ(adjacent.dirty_[0], 1);      // row 0
  EXPECT_EQ(adjacent.dirty_[2], 0b111);  // boxes 0 to 2
}

TEST(DeductionTest, nakedPairWithNothingToRemoveMarksNothing) {
  Probe9 probe = RowWithPair(2, 3);
  for (int cell : {0, 1, 4, 5, 6, 7, 8}) probe.Cand(cell) = kFull9 & ~Digits({1, 2});
  probe.NakedPair(Geometry9::kUnits[0][0]);
  EXPECT_FALSE(probe.Changed(2));
  EXPECT_EQ(probe.dirty_[0], 0);
}

// Row 0 where only cells 0 and 1 hold digits a and b.
Probe9 RowWithHiddenPair(int a, int b) {
  Probe9 probe;
  for (int cell = 0; cell < 81; ++cell) probe.Cand(cell) = kFull9;
  for (int cell = 2; cell < 9; ++cell) probe.Cand(cell) = kFull9 & ~Digits({a, b});
  return probe;
}

TEST(DeductionTest, hiddenPairWorksOnlyWithTheNextDigit) {
  Probe9 found = RowWithHiddenPair(3, 4);
  found.UnitPasses(0, 4);
  EXPECT_EQ(found.Cand(0), Digits({3, 4}));
  EXPECT_EQ(found.Cand(1), Digits({3, 4}));
  EXPECT_TRUE(found.Changed(0));

  Probe9 missed = RowWithHiddenPair(3, 5);
  missed.UnitPasses(0, 4);
  EXPECT_EQ(missed.Cand(0), kFull9);
  EXPECT_EQ(missed.Cand(1), kFull9);
}

TEST(DeductionTest, digitOnOneBoxRowLeavesTheRestOfTheRow) {
  Probe9 probe;
  for (int cell = 0; cell < 81; ++cell) probe.Cand(cell) = kFull9;
  for (int cell : {2, 9, 10, 11, 18, 19, 20}) probe.Cand(cell) = kFull9 & ~Digits({5});
  probe.UnitPasses(2, 10);  // box 0: 5 only at cells 0 and 1
  for (int cell = 3; cell < 9; ++cell) EXPECT_EQ(probe.Cand(cell), kFull9 & ~Digits({5})) << cell;
  EXPECT_EQ(probe.Cand(0), kFull9);
  EXPECT_EQ(probe.Cand(27), kFull9);  // column 0 outside the box keeps it
  EXPECT_TRUE(probe.Changed(3));
}

TEST(DeductionTest, digitOnOneBoxColumnLeavesTheRestOfTheColumn) {
  Probe9 probe;
  for (int cell = 0; cell < 81; ++cell) probe.Cand(cell) = kFull9;
  for (int cell : {1, 2, 10, 11, 19, 20, 18}) probe.Cand(cell) = kFull9 & ~Digits({5});
  probe.UnitPasses(2, 0);  // box 0: 5 only at cells 0 and 9, column 0
  for (int cell = 27; cell < 81; cell += 9) EXPECT_EQ(probe.Cand(cell), kFull9 & ~Digits({5}));
  EXPECT_EQ(probe.Cand(3), kFull9);
}

TEST(DeductionTest, digitOnOneBoxInsideARowLeavesTheRestOfTheBox) {
  Probe9 probe;
  for (int cell = 0; cell < 81; ++cell) probe.Cand(cell) = kFull9;
  for (int cell = 2; cell < 9; ++cell) probe.Cand(cell) = kFull9 & ~Digits({5});
  probe.UnitPasses(0, 4);  // row 0: 5 only at cells 0 and 1
  for (int cell : {9, 10, 11, 18, 19, 20}) EXPECT_EQ(probe.Cand(cell), kFull9 & ~Digits({5}));
  EXPECT_EQ(probe.Cand(12), kFull9);  // the row below, outside the box
  EXPECT_EQ(probe.Cand(0), kFull9);
}

TEST(DeductionTest, singlePositionIsLeftToHiddenSingle) {
  Probe9 probe;
  for (int cell = 0; cell < 81; ++cell) probe.Cand(cell) = kFull9;
  for (int cell = 1; cell < 9; ++cell) probe.Cand(cell) = kFull9 & ~Digits({5});
  probe.BuildDigitPositions(Geometry9::kUnits[0][0]);
  probe.LockedCandidates(0, Geometry9::kUnits[0][0]);
  EXPECT_EQ(probe.Cand(9), kFull9);  // locked candidates ignored the lone 5

  probe.UnitPasses(0, 4);
  EXPECT_EQ(probe.Cand(0), Digits({5}));  // hidden single applied
  EXPECT_EQ(probe.Cand(9), kFull9);
  EXPECT_TRUE(probe.Changed(0));
}

// Row 0 with the given candidate sets, every other cell open with all nine.
Probe9 RowOf(std::initializer_list<std::initializer_list<int>> cells) {
  Probe9 probe;
  for (int cell = 0; cell < 81; ++cell) probe.Cand(cell) = kFull9;
  int cell = 0;
  for (auto digits : cells) probe.Cand(cell++) = Digits(digits);
  return probe;
}

TEST(DeductionTest, hiddenSinglesAreTakenDigitByDigitInAscendingOrder) {
  // Positions: 1 at {0, 3}, 2 at {3}, 3 at {3, 6}, 5 at {0, 4, 6}. Digit 2
  // takes position 3, which leaves 3 alone at position 6 when its turn
  // comes, so 3 takes position 6 too. Digit 1 is left alone at position 0
  // only after its turn has passed, so position 0 is not taken from 5, 7,
  // 8 and 9.
  Probe9 probe = RowOf({{1, 5, 7, 8, 9},
                        {4, 7, 8, 9},
                        {4, 7, 8, 9},
                        {1, 2, 3, 7, 8, 9},
                        {5, 6, 7, 8, 9},
                        {4, 6, 7, 8, 9},
                        {3, 5, 6, 7, 8, 9},
                        {4, 6, 7, 8, 9},
                        {4, 6, 7, 8, 9}});
  probe.UnitPasses(0, 4);
  EXPECT_EQ(probe.Cand(3), Digits({2}));
  EXPECT_EQ(probe.Cand(6), Digits({3}));
  EXPECT_EQ(probe.Cand(0), Digits({1, 5, 7, 8, 9}));
  EXPECT_FALSE(probe.Changed(0));
  EXPECT_EQ(probe.Cand(4), Digits({5, 6, 7, 8, 9}));
  EXPECT_TRUE(probe.Changed(3));
  EXPECT_TRUE(probe.Changed(6));
}

TEST(DeductionTest, nakedPairsSeeEarlierRemovalsButNeverLookBack) {
  // The pair {1, 2} at 0 and 1 turns cell 2 into {3, 4}, the twin of cell
  // 3: that pair is found next and takes 3 and 4 from cell 4.
  Probe9 forward = RowOf({{1, 2}, {1, 2}, {2, 3, 4}, {3, 4}, {3, 4, 5}});
  forward.NakedPair(Geometry9::kUnits[0][0]);
  EXPECT_EQ(forward.Cand(2), Digits({3, 4}));
  EXPECT_EQ(forward.Cand(4), Digits({5}));
  EXPECT_EQ(forward.Cand(5), kFull9 & ~Digits({1, 2, 3, 4}));
  EXPECT_TRUE(forward.Changed(0));   // first cell of a pair that removed something
  EXPECT_FALSE(forward.Changed(1));  // the second cell never is
  EXPECT_TRUE(forward.Changed(2));
  EXPECT_FALSE(forward.Changed(3));

  // The pair {1, 2} at 5 and 6 turns cells 0 and 1 into the pair {3, 4},
  // but position 0 has had its turn: cell 7 keeps 3 and 4.
  Probe9 back =
      RowOf({{1, 3, 4}, {2, 3, 4}, {5, 6}, {5, 7}, {5, 8}, {1, 2}, {1, 2}, {3, 4, 9}, {6, 7}});
  back.NakedPair(Geometry9::kUnits[0][0]);
  EXPECT_EQ(back.Cand(0), Digits({3, 4}));
  EXPECT_EQ(back.Cand(1), Digits({3, 4}));
  EXPECT_EQ(back.Cand(7), Digits({3, 4, 9}));
}

TEST(DeductionTest, sixteenBoxColumnLeavesTheRestOfTheColumn) {
  // Box 5 (rows 4 to 7, columns 4 to 7): 9 only at positions 6 and 14,
  // cells 86 and 118 of column 6.
  DeductionProbe<16> probe;
  for (int cell = 0; cell < 256; ++cell) probe.Cand(cell) = 0xFFFF;
  const CandMask no9 = static_cast<CandMask>(0xFFFF & ~Digits({9}));
  for (int k = 0; k < 16; ++k) {
    const int cell = UnitCell16(68, 2, k);
    if (cell != 86 && cell != 118) probe.Cand(cell) = no9;
  }
  probe.UnitPasses(2, 68);
  for (int row : {0, 1, 2, 3, 8, 9, 15}) {
    EXPECT_EQ(probe.Cand(row * 16 + 6), no9) << row;
    EXPECT_TRUE(probe.Changed(row * 16 + 6)) << row;
  }
  EXPECT_EQ(probe.Cand(86), 0xFFFF);
  EXPECT_EQ(probe.Cand(118), 0xFFFF);
  EXPECT_EQ(probe.Cand(7), 0xFFFF);       // column 7
  EXPECT_EQ(probe.Cand(4 * 16), 0xFFFF);  // row 4 outside the box
  EXPECT_EQ(probe.dirty_[1], BitMask[6]);
}

TEST(DeductionTest, scanStopsBeforeACellChangedBehindIt) {
  // Everything fixed except row 1: a pair at cells 9 and 10, cell 11 with
  // one of the pair's digits, and an open pair at cells 12 and 13.
  Probe9 probe;
  probe.SetSolved(kSolved9);
  const int a = Solved(9), b = Solved(10);
  probe.Cand(9) = Digits({a, b});
  probe.Cand(10) = Digits({a, b});
  probe.Cand(11) = Digits({Solved(11), a});
  probe.Cand(12) = Digits({Solved(12), Solved(13)});
  probe.Cand(13) = Digits({Solved(12), Solved(13)});
  probe.dirty_[0] = BitMask[1];
  probe.cellsLeft_ = 5;
  probe.lastChecked_ = 8;
  probe.c_ = 12;
  probe.Scan(true);
  EXPECT_EQ(probe.state_, SolveState::Stuck);
  EXPECT_EQ(probe.lastChecked_, 8);
  EXPECT_EQ(probe.c_, 8);
  EXPECT_EQ(probe.Cand(11), Digits({Solved(11)}));
  EXPECT_TRUE(probe.Changed(11));  // still waiting for its check
  EXPECT_EQ(probe.cellsLeft_, 5);
}

TEST(DeductionTest, resumeProcessesTheLastCheckedCellFirst) {
  Probe9 probe;
  probe.SetSolved(kSolved9);
  probe.Cand(40) = Digits({Solved(40)});
  probe.changed_[40] = true;
  probe.Cand(41) = Digits({Solved(41), Solved(40)});
  probe.cellsLeft_ = 2;
  probe.lastChecked_ = 40;
  probe.c_ = 40;
  probe.Scan(false);  // from the top this would stop at once
  EXPECT_EQ(probe.state_, SolveState::Solved);
  EXPECT_EQ(probe.cellsLeft_, 0);
  EXPECT_EQ(probe.CellDigit(41), Solved(41));
}

TEST(DeductionTest, emptyBoardIsStuckAfterOneCycle) {
  Probe9 probe;
  probe.Load(BoardCodes{});
  probe.FirstSweep();
  EXPECT_EQ(probe.state_, SolveState::Stuck);
  EXPECT_EQ(probe.c_, 80);
  EXPECT_EQ(probe.cellsLeft_, 81);
}

}  // namespace
}  // namespace gridora::testing
