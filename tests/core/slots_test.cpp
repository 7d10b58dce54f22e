// SPDX-License-Identifier: MIT
#include "core/slots.h"

#include "core/history.h"
#include "support/core_fixture.h"

namespace gridora::testing {
namespace {

using SlotsTest = CoreTest;

TEST_F(SlotsTest, storeEnablesItsFetchControlsAndReports) {
  EXPECT_TRUE(StoreMemorySlot(app, 4));
  EXPECT_TRUE(screen.memoryLoadMenu[4]);
  EXPECT_TRUE(screen.launcherButton[12]);
  EXPECT_FALSE(screen.memoryLoadMenu[3]);
  EXPECT_EQ(screen.informText, "メモリ no.4 にデータを登録しました");
}

TEST_F(SlotsTest, fetchRestoresColoursAndIsUndoable) {
  BulkSet({{0, 5}, {1, 133}, {2, 2 * 128 + 7}});
  StoreMemorySlot(app, 4);
  BulkSet({{0, 0}, {1, 0}, {3, 1}, {4, 2}});
  const BoardCodes changed = state.Board;
  EXPECT_TRUE(FetchMemorySlot(app, 4));
  EXPECT_EQ(Code(1), 133);
  EXPECT_EQ(Code(2), 263);
  EXPECT_EQ(Code(3), 0);
  EXPECT_EQ(screen.Cell(9, 1).color, state.settings.SoftColor[1]);
  EXPECT_EQ(screen.Cell(9, 2).color, state.settings.SoftColor[2]);
  EXPECT_EQ(screen.informText, "メモリ no.4 からデータを取り出しました");
  UndoStep(app);
  EXPECT_EQ(state.Board, changed);
}

TEST_F(SlotsTest, answerFetchShowsSolverColours) {
  state.AnswerSlot[2][0] = 128 + 3;
  state.AnswerSlot[2][1] = 256 + 4;
  state.AnswerSlot[2][2] = 5;
  EXPECT_TRUE(FetchAnswerSlot(app, 2));
  EXPECT_EQ(screen.Cell(9, 0).caption, "3");
  EXPECT_EQ(screen.Cell(9, 0).color, Rgb(48, 112, 80));
  EXPECT_EQ(screen.Cell(9, 1).color, Rgb(128, 128, 96));
  EXPECT_EQ(screen.Cell(9, 2).color, Rgb(0, 0, 0));
  EXPECT_EQ(screen.informText, "解 no.2 からデータを取り出しました");
  EXPECT_EQ(state.HistoryPos, 1);
}

TEST_F(SlotsTest, slotsCopyAllCellsEvenOnNineBoard) {
  state.Board[200] = 7;  // beyond the 9 x 9 cells, still part of a slot
  StoreMemorySlot(app, 1);
  state.Board[200] = 0;
  FetchMemorySlot(app, 1);
  EXPECT_EQ(Code(200), 7);
}

TEST_F(SlotsTest, storeAndFetchLeaveChangeFlagAndPropertiesAlone) {
  SetCell(app, 0, 1);
  ASSERT_TRUE(state.DataChanged);
  StoreMemorySlot(app, 9);
  FetchMemorySlot(app, 9);
  FetchAnswerSlot(app, 9);
  EXPECT_TRUE(state.DataChanged);
  state.DataChanged = false;
  FetchMemorySlot(app, 9);
  EXPECT_FALSE(state.DataChanged);
  EXPECT_EQ(state.PuzzleFileName, "(未定)");
  EXPECT_EQ(state.BoardSize, 9);
}

TEST_F(SlotsTest, newPuzzleDisablesFetchControls) {
  StoreMemorySlot(app, 3);
  EnableAnswerSlot(app, 1, true);
  ASSERT_TRUE(screen.memoryLoadMenu[3]);
  ASSERT_TRUE(screen.answerMenu[1]);
  ASSERT_TRUE(screen.launcherButton[18]);
  NewPuzzle16(app);
  EXPECT_FALSE(screen.memoryLoadMenu[3]);
  EXPECT_FALSE(screen.launcherButton[11]);
  EXPECT_FALSE(screen.answerMenu[1]);
  EXPECT_FALSE(screen.launcherButton[18]);
  EXPECT_EQ(state.MemorySlot[3][0], 0);
}

TEST_F(SlotsTest, slotNumbersOutOfRangeAreRejected) {
  BulkSet({{0, 1}, {1, 2}});
  const BoardCodes before = state.Board;
  for (int n : {0, 10, -1}) {
    EXPECT_FALSE(StoreMemorySlot(app, n));
    EXPECT_FALSE(FetchMemorySlot(app, n));
    EXPECT_FALSE(FetchAnswerSlot(app, n));
  }
  EXPECT_EQ(state.Board, before);
  EXPECT_EQ(screen.informText, "");
}

}  // namespace
}  // namespace gridora::testing
