// SPDX-License-Identifier: MIT
// F2 runs the solver on the board shown: green solver digits, the outcome
// in the status bar, answer slots enabled, the window locked meanwhile.

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

class SolveTest : public WindowTest {
 protected:
  // Puzzle lines of the public sets: "." empty, 10 to 16 as A to G.
  void Load(const std::string& line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      const char ch = line[i];
      Put(static_cast<int>(i), ch == '.' ? 0 : ch <= '9' ? ch - '0' : ch - 'A' + 10);
    }
    RedrawBoard(app());
  }
  QColor ColorOf(int cell) const { return Label(cell)->palette().color(QPalette::WindowText); }
};

// The first 17-clue puzzle of tests/data/puzzles/9x9_17_clue.txt: one solution.
constexpr const char* kSeventeenClues =
    ".................1.....2.3......3.2...1.4......5....6..3......4.7..8...962...7...";

TEST_F(SolveTest, functionKeyTwoSolvesInGreen) {
  Load(kSeventeenClues);
  bool enabledWhileSolving = true;
  bool waitCursorWhileSolving = false;
  // Runs at the solver's first yield to the event loop.
  QTimer::singleShot(0, window.get(), [&] {
    enabledWhileSolving = window->isEnabled();
    waitCursorWhileSolving =
        QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
  });
  Key(Qt::Key_F2);
  EXPECT_FALSE(enabledWhileSolving);
  EXPECT_TRUE(waitCursorWhileSolving);
  EXPECT_TRUE(window->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  EXPECT_EQ(Inform(), "成功！");
  for (int cell = 0; cell < 81; ++cell) ASSERT_NE(DigitOf(Code(cell)), 0) << cell;
  EXPECT_EQ(Code(17), 1);  // a given stays black
  EXPECT_EQ(ColorOf(17), QColor(0, 0, 0));
  EXPECT_EQ(ClassOf(Code(0)), kClassGreen);
  EXPECT_EQ(ColorOf(0), QColor(48, 112, 80));
  EXPECT_FALSE(Label(0)->text().isEmpty());
  EXPECT_TRUE(window->Menu().mnuDataAnswer[1]->isEnabled());
  EXPECT_FALSE(window->Menu().mnuDataAnswer[2]->isEnabled());
  EXPECT_TRUE(window->Launcher()->Button(18)->isEnabled());
  EXPECT_FALSE(state.DataChanged);  // solving is no edit
  // One undo step takes the solution back.
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Code(0), 0);
  EXPECT_EQ(Label(0)->text(), QString());
}

TEST_F(SolveTest, commandsWaitWhileTheSolverRuns) {
  Load(kSeventeenClues);
  bool probed = false;
  QTimer::singleShot(0, window.get(), [&] {
    probed = true;
    window->Menu().mnuEditSolve->trigger();  // a second solve inside the first
    window->Menu().mnuFileNew16->trigger();
    window->Menu().mnuEditUndo->trigger();
  });
  Key(Qt::Key_F2);
  EXPECT_TRUE(probed);
  EXPECT_EQ(state.BoardSize, 9);
  EXPECT_EQ(Inform(), "成功！");
  for (int cell = 0; cell < 81; ++cell) ASSERT_NE(DigitOf(Code(cell)), 0) << cell;
  window->Menu().mnuEditUndo->trigger();  // commands run again afterwards
  EXPECT_EQ(Code(0), 0);
}

TEST_F(SolveTest, twoSolutionsShowTheirDifferencesInYellow) {
  Load(kSeventeenClues);
  Key(Qt::Key_F2);
  window->Menu().colorItems[0][0]->trigger();  // the solution, all black
  // Empty a rectangle whose two digits can swap: two rows of one band, two
  // columns of different stacks. The board then has exactly two solutions.
  std::vector<int> rectangle;
  for (int r1 = 0; r1 < 9 && rectangle.empty(); ++r1)
    for (int r2 = r1 + 1; r2 < r1 / 3 * 3 + 3 && rectangle.empty(); ++r2)
      for (int c1 = 0; c1 < 9 && rectangle.empty(); ++c1)
        for (int c2 = (c1 / 3 + 1) * 3; c2 < 9 && rectangle.empty(); ++c2)
          if (Code(r1 * 9 + c1) == Code(r2 * 9 + c2) && Code(r1 * 9 + c2) == Code(r2 * 9 + c1))
            rectangle = {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2};
  ASSERT_EQ(rectangle.size(), 4u);
  for (int cell : rectangle) Put(cell, 0);
  RedrawBoard(app());
  window->Menu().mnuEditSolve->trigger();
  EXPECT_EQ(Inform(), " 2つの解を発見");
  for (int cell = 0; cell < 81; ++cell) {
    const bool differs = std::find(rectangle.begin(), rectangle.end(), cell) != rectangle.end();
    EXPECT_EQ(ClassOf(Code(cell)), differs ? kClassYellow : kClassBlack) << cell;
    if (differs) {
      EXPECT_EQ(ColorOf(cell), QColor(128, 128, 96)) << cell;
    }
  }
  EXPECT_TRUE(window->Menu().mnuDataAnswer[2]->isEnabled());
  EXPECT_FALSE(window->Menu().mnuDataAnswer[3]->isEnabled());
  // The second answer, fetched from the data menu, swaps the rectangle.
  const int first = Code(rectangle[0]);
  window->Menu().mnuDataAnswer[2]->trigger();
  EXPECT_EQ(state.Board, state.AnswerSlot[2]);
  EXPECT_NE(Code(rectangle[0]), first);
  EXPECT_EQ(Inform(), "解 no.2 からデータを取り出しました");
}

TEST_F(SolveTest, sixteenBySixteenSolves) {
  Key(Qt::Key_M, Qt::ControlModifier);
  // The first of tests/data/puzzles/16x16_janko.txt.
  Load(
      "D92.....G...43..4CF.....9D.2.6EB.E.1....F.8BC..AG56.....A3C....1.7G5A8....61....2...C....B7."
      "......AE.964..G......F9.5.7.4............29....A.C..........645D.1......D....1.C.B7F.....E."
      "C2G...8A9B..9.G52.....EF6.256..F.....D.B.E13.6.D........7A...8BC3....954.");
  Key(Qt::Key_F2);
  EXPECT_EQ(Inform(), "成功！");
  for (int cell = 0; cell < 256; ++cell) ASSERT_NE(DigitOf(Code(cell)), 0) << cell;
  EXPECT_EQ(window->Board(16)->Label(0)->text(), QStringLiteral("13"));  // the given D
}

TEST_F(SolveTest, solverDigitsBecomeBlackThroughTheColourMenu) {
  Load(kSeventeenClues);
  Key(Qt::Key_F2);
  window->Menu().colorItems[0][0]->trigger();  // green and yellow to black
  for (int cell = 0; cell < 81; ++cell) ASSERT_EQ(ClassOf(Code(cell)), kClassBlack) << cell;
  EXPECT_EQ(ColorOf(0), QColor(0, 0, 0));
}

TEST_F(SolveTest, heldMouseRepeatStopsWhenSolvingStarts) {
  Load(kSeventeenClues);
  state.settings.NChangeSpeed = 0;
  Press(0);
  EXPECT_GT(window->Input().TimerInterval(), 0);
  Key(Qt::Key_F2);
  EXPECT_EQ(window->Input().TimerInterval(), 0);
  const BoardCodes solved = state.Board;
  QTest::qWait(250);
  EXPECT_EQ(state.Board, solved);
  Release(0);
}

}  // namespace
}  // namespace gridora::ui::testing
