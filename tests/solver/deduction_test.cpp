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
  EXPECT_EQ(probe.state_, kStateSolved);
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
  EXPECT_EQ(probe.state_, kStateContradiction);
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
  EXPECT_EQ(probe.state_, kStateStuck);
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
  EXPECT_EQ(probe.state_, kStateSolved);
  EXPECT_EQ(probe.cellsLeft_, 0);
  EXPECT_EQ(probe.CellDigit(41), Solved(41));
}

TEST(DeductionTest, emptyBoardIsStuckAfterOneCycle) {
  Probe9 probe;
  probe.Load(BoardCodes{});
  probe.FirstSweep();
  EXPECT_EQ(probe.state_, kStateStuck);
  EXPECT_EQ(probe.c_, 80);
  EXPECT_EQ(probe.cellsLeft_, 81);
}

}  // namespace
}  // namespace gridora::testing
