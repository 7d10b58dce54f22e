// SPDX-License-Identifier: MIT
#include "core/board.h"

#include "core/history.h"
#include "core/slots.h"
#include "support/core_fixture.h"

namespace gridora::testing {
namespace {

using BoardTest = CoreTest;

TEST_F(BoardTest, characterOfPicksTheListItem) {
  state.CharacterList = "A,B,C,D,E,F,G,H,I";
  EXPECT_EQ(CharacterOf(state, 3), "C");
  EXPECT_EQ(CharacterOf(state, 9), "I");
  EXPECT_EQ(CharacterOf(state, 0), "");
  state.CharacterList = kDigits16;
  EXPECT_EQ(CharacterOf(state, 12), "12");
  EXPECT_EQ(CharacterOf(state, 1), "1");
  EXPECT_EQ(CharacterOf(state, 16), "16");
}

TEST_F(BoardTest, characterOfKeepsWordsAndBlanks) {
  state.CharacterList = "one, two,three ";
  EXPECT_EQ(CharacterOf(state, 1), "one");
  EXPECT_EQ(CharacterOf(state, 2), " two");
  EXPECT_EQ(CharacterOf(state, 3), "three ");
  state.CharacterList = "甲,乙,丙";
  EXPECT_EQ(CharacterOf(state, 2), "乙");
}

TEST_F(BoardTest, characterOfBeyondAShortListShowsTheDigit) {
  state.CharacterList = "A,B";
  EXPECT_EQ(CharacterOf(state, 3), "3");
  EXPECT_EQ(CharacterOf(state, 12), "12");
  state.CharacterList = "";
  EXPECT_EQ(CharacterOf(state, 1), "");  // the empty list has one empty item
  EXPECT_EQ(CharacterOf(state, 2), "2");
  state.CharacterList = "A,,C";
  EXPECT_EQ(CharacterOf(state, 2), "");
  EXPECT_EQ(CharacterOf(state, 3), "C");
}

TEST_F(BoardTest, redrawShowsCaptionsColoursAndProperties) {
  BulkSet({{0, 133}, {22, 7}, {80, 2 * 128 + 1}});
  EXPECT_EQ(screen.Cell(9, 0).caption, "5");
  EXPECT_EQ(screen.Cell(9, 0).color, state.settings.SoftColor[1]);
  EXPECT_EQ(screen.Cell(9, 22).caption, "7");
  EXPECT_EQ(screen.Cell(9, 22).color, Rgb(0, 0, 0));
  EXPECT_EQ(screen.Cell(9, 80).color, state.settings.SoftColor[2]);
  EXPECT_EQ(screen.Cell(9, 1).caption, "");
  EXPECT_EQ(screen.Property(PropertyLabel::Author), "不明");
  EXPECT_EQ(screen.Property(PropertyLabel::Date), "2026/12/07");
  EXPECT_EQ(screen.Property(PropertyLabel::Comment), "(なし)");
  EXPECT_EQ(screen.Property(PropertyLabel::FileName), "(未定)");
}

TEST_F(BoardTest, redrawOfACodeOutsideTheModelStaysInsideTheColourTable) {
  BulkSet({{0, 3 * 128 + 4}, {1, 0xFFFF}});
  EXPECT_EQ(screen.Cell(9, 0).caption, "4");
  EXPECT_EQ(screen.Cell(9, 0).color, state.settings.SoftColor[2]);
  EXPECT_EQ(screen.Cell(9, 1).color, state.settings.SoftColor[2]);
}

TEST_F(BoardTest, redrawShowsTheFileTitle) {
  state.PuzzleFileName = "/home/u/puzzles/Hard One.GDR";
  RedrawBoard(app);
  EXPECT_EQ(screen.Property(PropertyLabel::FileName), "Hard One");
}

TEST_F(BoardTest, setCellShowsOnlyThatCellAndMarksChange) {
  state.DataChanged = false;
  const long writes = screen.cellWrites;
  EXPECT_TRUE(SetCell(app, 22, 5));
  EXPECT_EQ(screen.cellWrites, writes + 1);
  EXPECT_EQ(screen.Cell(9, 22).caption, "5");
  EXPECT_EQ(Code(22), 5);
  EXPECT_TRUE(state.DataChanged);
  EXPECT_TRUE(SetCell(app, 22, 0));
  EXPECT_EQ(screen.Cell(9, 22).caption, "");
}

TEST_F(BoardTest, setCellRejectsIndexesAndCodesOutsideTheModel) {
  state.DataChanged = false;
  const long writes = screen.cellWrites;
  EXPECT_FALSE(SetCell(app, 81, 1));  // beyond 9 x 9
  EXPECT_FALSE(SetCell(app, -1, 1));
  EXPECT_FALSE(SetCell(app, 256, 1));
  EXPECT_FALSE(SetCell(app, 0, 17));
  EXPECT_FALSE(SetCell(app, 0, -1));
  EXPECT_FALSE(SetCell(app, 0, 3 * 128 + 1));
  EXPECT_EQ(screen.cellWrites, writes);
  EXPECT_FALSE(state.DataChanged);
  NewPuzzle16(app);
  EXPECT_TRUE(SetCell(app, 255, 16));
  EXPECT_TRUE(SetCell(app, 254, 2 * 128 + 16));
}

TEST_F(BoardTest, newSixteenAfterNineSwitchesBoards) {
  BulkSet({{0, 1}, {80, 9}});
  StoreMemorySlot(app, 1);
  NewPuzzle16(app);
  EXPECT_EQ(state.BoardSize, 16);
  EXPECT_EQ(screen.shownBoard, 16);
  EXPECT_EQ(state.CharacterList, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16");
  for (int i = 0; i < 256; ++i) EXPECT_EQ(Code(i), 0) << i;
  EXPECT_EQ(state.HistoryPos, 0);
  EXPECT_EQ(state.HistoryTop, 0);
  EXPECT_EQ(screen.cursorCell, 0);
  EXPECT_EQ(screen.cursorBoard, 16);
  NewPuzzle9(app);
  EXPECT_EQ(screen.shownBoard, 9);
  EXPECT_EQ(state.CharacterList, "1,2,3,4,5,6,7,8,9");
}

TEST_F(BoardTest, newPuzzleTakesDefaultProperties) {
  state.settings.UserName = "山田";
  state.PuzzleComment = "難しい";
  state.PuzzleFileName = "/tmp/a.gdr";
  state.PuzzleEnabled = false;
  state.CursorCell = 40;
  NewPuzzle9(app);
  EXPECT_EQ(state.PuzzleAuthor, "山田");
  EXPECT_EQ(state.PuzzleComment, "(なし)");
  EXPECT_EQ(state.PuzzleDate, "2026/12/07");
  EXPECT_EQ(state.PuzzleFileName, "(未定)");
  EXPECT_TRUE(state.PuzzleEnabled);
  EXPECT_EQ(state.CursorCell, 0);
  EXPECT_EQ(screen.Property(PropertyLabel::Author), "山田");
}

TEST_F(BoardTest, changeFlagIsKeptByUndoRedoAndNewPuzzle) {
  for (bool flag : {false, true}) {
    BulkSet({{0, 1}, {1, 2}});
    state.DataChanged = flag;
    UndoStep(app);
    RedoStep(app);
    EXPECT_EQ(state.DataChanged, flag);
    NewPuzzle16(app);
    EXPECT_EQ(state.DataChanged, flag);
    NewPuzzle9(app);
  }
}

TEST_F(BoardTest, newPuzzleKeepsAnswerSlotContents) {
  state.AnswerSlot[1][0] = 130;
  NewPuzzle9(app);
  EXPECT_EQ(state.AnswerSlot[1][0], 130);
}

}  // namespace
}  // namespace gridora::testing
