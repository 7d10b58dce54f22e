// SPDX-License-Identifier: MIT
#include "core/history.h"

#include "support/core_fixture.h"

namespace gridora::testing {
namespace {

using HistoryTest = CoreTest;

TEST_F(HistoryTest, singleCellChangesAtPositionZeroAreAbsorbed) {
  SetCell(app, 0, 1);
  SetCell(app, 5, 2);
  SetCell(app, 40, 9);
  EXPECT_EQ(state.HistoryPos, 0);
  EXPECT_EQ(state.HistoryTop, 0);
  UndoStep(app);
  EXPECT_EQ(Code(0), 1);
  EXPECT_EQ(Code(40), 9);
}

TEST_F(HistoryTest, threeThenFourInOneCellIsOneStep) {
  BulkSet({{0, 1}, {1, 2}, {2, 3}});
  ASSERT_EQ(state.HistoryPos, 1);
  SetCell(app, 10, 3);
  SetCell(app, 10, 4);
  EXPECT_EQ(state.HistoryPos, 2);
  UndoStep(app);
  EXPECT_EQ(Code(10), 0);
  EXPECT_EQ(Code(2), 3);
  EXPECT_EQ(state.HistoryPos, 1);
}

TEST_F(HistoryTest, changesInTwoCellsAreTwoSteps) {
  BulkSet({{0, 1}, {1, 2}});
  SetCell(app, 10, 3);
  SetCell(app, 11, 4);
  EXPECT_EQ(state.HistoryPos, 3);
  UndoStep(app);
  EXPECT_EQ(Code(10), 3);
  EXPECT_EQ(Code(11), 0);
  UndoStep(app);
  EXPECT_EQ(Code(10), 0);
  EXPECT_EQ(Code(1), 2);
}

TEST_F(HistoryTest, loadedBoardIsUndoneToEmptyAndRedoneBack) {
  BulkSet({{0, 5}, {80, 9}});
  UndoStep(app);
  EXPECT_EQ(Code(0), 0);
  EXPECT_EQ(Code(80), 0);
  EXPECT_EQ(screen.Cell(9, 0).caption, "");
  RedoStep(app);
  EXPECT_EQ(Code(0), 5);
  EXPECT_EQ(screen.Cell(9, 80).caption, "9");
}

TEST_F(HistoryTest, mergedChangeAtPositionZeroKeepsRedo) {
  BulkSet({{0, 1}, {1, 2}});
  UndoStep(app);
  SetCell(app, 20, 5);
  EXPECT_EQ(state.HistoryPos, 0);
  EXPECT_EQ(state.HistoryTop, 1);
  RedoStep(app);
  EXPECT_EQ(Code(1), 2);
  EXPECT_EQ(Code(20), 0);  // the redone snapshot never held the merged change
}

TEST_F(HistoryTest, mergedChangeIntoSingleCellStepKeepsRedo) {
  BulkSet({{0, 1}, {1, 2}});
  SetCell(app, 10, 3);
  SetCell(app, 11, 4);
  UndoStep(app);  // back to the step that changed cell 10 alone
  SetCell(app, 10, 7);
  EXPECT_EQ(state.HistoryPos, 2);
  EXPECT_EQ(state.HistoryTop, 3);
  UndoStep(app);
  EXPECT_EQ(Code(10), 0);
  RedoStep(app);
  EXPECT_EQ(Code(10), 7);
  RedoStep(app);
  EXPECT_EQ(Code(10), 3);
  EXPECT_EQ(Code(11), 4);
}

TEST_F(HistoryTest, singleCellChangeAfterMultiCellStepDropsRedo) {
  BulkSet({{0, 1}, {1, 2}});
  BulkSet({{2, 3}, {3, 4}});
  UndoStep(app);
  SetCell(app, 30, 6);  // differs from the state before step 1 in three cells
  EXPECT_EQ(state.HistoryPos, 2);
  EXPECT_EQ(state.HistoryTop, 2);
  RedoStep(app);
  EXPECT_EQ(Code(2), 0);
}

TEST_F(HistoryTest, multiCellChangeDropsRedo) {
  BulkSet({{0, 1}, {1, 2}});
  BulkSet({{2, 3}, {3, 4}});
  UndoStep(app);
  BulkSet({{50, 5}, {51, 6}});
  EXPECT_EQ(state.HistoryTop, state.HistoryPos);
  const long writes = screen.cellWrites;
  RedoStep(app);
  EXPECT_EQ(Code(2), 0);
  EXPECT_EQ(screen.cellWrites, writes);
}

TEST_F(HistoryTest, twelveMultiCellChangesKeepElevenStates) {
  for (int step = 1; step <= 12; ++step) BulkSet({{0, step % 9 + 1}, {step, 1}});
  EXPECT_EQ(state.HistoryPos, 10);
  for (int i = 0; i < 10; ++i) UndoStep(app);
  EXPECT_EQ(state.HistoryPos, 0);
  // The oldest state kept is the board after the second change.
  EXPECT_EQ(Code(0), 2 % 9 + 1);
  EXPECT_EQ(Code(2), 1);
  EXPECT_EQ(Code(3), 0);
  const BoardCodes before = state.Board;
  UndoStep(app);
  EXPECT_EQ(state.Board, before);
  for (int i = 0; i < 10; ++i) RedoStep(app);
  EXPECT_EQ(Code(12), 1);
  EXPECT_EQ(Code(0), 12 % 9 + 1);
}

TEST_F(HistoryTest, undoAndRedoAtTheEndsNeitherChangeNorRedraw) {
  SetCell(app, 3, 3);
  const long writes = screen.cellWrites;
  UndoStep(app);
  RedoStep(app);
  EXPECT_EQ(screen.cellWrites, writes);
  EXPECT_EQ(Code(3), 3);
  BulkSet({{0, 1}, {1, 1}});
  const long afterBulk = screen.cellWrites;
  RedoStep(app);
  EXPECT_EQ(screen.cellWrites, afterBulk);
}

TEST_F(HistoryTest, redrawOfUnchangedBoardAddsNoStep) {
  BulkSet({{0, 1}, {1, 2}});
  RedrawBoard(app);
  RedrawBoard(app);
  EXPECT_EQ(state.HistoryPos, 1);
}

TEST_F(HistoryTest, sixteenBoardComparesAllCells) {
  NewPuzzle16(app);
  BulkSet({{200, 16}, {255, 15}});
  EXPECT_EQ(state.HistoryPos, 1);
  UndoStep(app);
  EXPECT_EQ(Code(255), 0);
}

}  // namespace
}  // namespace gridora::testing
