// SPDX-License-Identifier: MIT
// Mouse input on the cell labels in the three modes: stepping with
// auto-repeat and dragging, the keypad cursor, and the pop-up digit list.

#include <QMenu>

#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

class MouseInputTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // The slowest repeat (400 ms), so no step slips in between a press and
    // the checks right after it on a busy machine.
    state.settings.NChangeSpeed = 8;
  }
  // Fills cells with codes as a bulk change.
  void Fill(std::initializer_list<std::pair<int, int>> cells) {
    for (auto [cell, code] : cells) Put(cell, code);
    RedrawBoard(app());
  }
  QPoint CenterOf(int cell) const { return Label(cell)->rect().center(); }
};

TEST_F(MouseInputTest, leftPressStepsAtOnceAndRepeatsWhileHeld) {
  Fill({{1, 1}, {2, 2}, {9, 5}});  // row 0 holds 1 and 2; column 0 holds 5
  Press(0);
  EXPECT_EQ(Code(0), 3);  // the press itself makes the first step
  EXPECT_EQ(Label(0)->text(), QStringLiteral("3"));
  EXPECT_EQ(window->Input().TimerInterval(), 400);
  // 4, then 6: 5 is skipped because column 0 holds it.
  EXPECT_TRUE(WaitFor([&] { return Code(0) == 6; }));
  Release(0);
  EXPECT_EQ(window->Input().TimerInterval(), 0);
  const int stopped = Code(0);
  QTest::qWait(250);
  EXPECT_EQ(Code(0), stopped);
}

TEST_F(MouseInputTest, steppingPassesThroughEmptyBackToOne) {
  Fill({{0, 9}});
  Click(0);
  EXPECT_EQ(Code(0), 0);
  Click(0);
  EXPECT_EQ(Code(0), 1);
  Click(0, Qt::RightButton);
  EXPECT_EQ(Code(0), 0);
  Click(0, Qt::RightButton);
  EXPECT_EQ(Code(0), 9);
}

TEST_F(MouseInputTest, aGreenDigitStepsToABlackOne) {
  Fill({{40, 133}});
  Click(40);
  EXPECT_EQ(Code(40), 6);
  EXPECT_TRUE(state.DataChanged);
}

TEST_F(MouseInputTest, rightPressOnSixteenBySixteenGivesSixteen) {
  window->Menu().mnuFileNew16->trigger();
  Click(17, Qt::RightButton);
  EXPECT_EQ(Code(17), 16);
  EXPECT_EQ(window->Board(16)->Label(17)->text(), QStringLiteral("16"));
}

TEST_F(MouseInputTest, aCellWithNoLegalDigitEmptiesAndStaysEmpty) {
  Fill({{0, 5}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}});
  Click(0);
  EXPECT_EQ(Code(0), 0);
  Click(0);
  EXPECT_EQ(Code(0), 0);
  Click(0, Qt::RightButton);
  EXPECT_EQ(Code(0), 0);
}

TEST_F(MouseInputTest, bothButtonsOrTheMiddleOneChangeNothing) {
  Click(0, Qt::MiddleButton);
  EXPECT_EQ(Code(0), 0);
  Press(0);
  EXPECT_EQ(Code(0), 1);
  QTest::mousePress(Label(0), Qt::RightButton, {}, CenterOf(0));
  EXPECT_EQ(window->Input().HeldButtons(), kButtonLeft | kButtonRight);
  QTest::qWait(250);
  EXPECT_EQ(Code(0), 1);
  QTest::mouseRelease(Label(0), Qt::RightButton, {}, CenterOf(0));
  Release(0);
  EXPECT_EQ(window->Input().HeldButtons(), 0);
}

TEST_F(MouseInputTest, draggingMovesTheRepetitionToAnotherCell) {
  Press(0);
  EXPECT_EQ(Code(0), 1);
  DragTo(0, Label(2), CenterOf(2));
  EXPECT_EQ(window->Input().RepeatCell(), 2);
  const int left = Code(0);
  EXPECT_TRUE(WaitFor([&] { return Code(2) != 0; }));
  EXPECT_NE(Code(2), left);  // the digit of cell 0 is taken in the row
  EXPECT_EQ(Code(0), left);
  Release(2);
  EXPECT_EQ(window->Input().TimerInterval(), 0);
}

TEST_F(MouseInputTest, draggingOffTheBoardStopsTheRepetition) {
  Press(80);
  EXPECT_EQ(Code(80), 1);
  // Below the board, over the window background.
  DragTo(80, window->centralWidget(), QPoint(Px(1000), Px(4150)));
  EXPECT_TRUE(WaitFor([&] { return window->Input().TimerInterval() == 0; }));
  const int stopped = Code(80);
  QTest::qWait(250);
  EXPECT_EQ(Code(80), stopped);
  Release(80);
}

TEST_F(MouseInputTest, pointerOverACellShowsTheModeHint) {
  QTest::mouseMove(Label(30), CenterOf(30));
  EXPECT_TRUE(WaitFor([&] { return Inform() == InputHint(InputKind::Mouse); }));
  ChooseMode(2);
  QTest::mouseMove(Label(31), CenterOf(31));
  EXPECT_TRUE(WaitFor([&] { return Inform() == InputHint(InputKind::PopupList); }));
}

TEST_F(MouseInputTest, keypadModeClicksMoveTheCursorAndErase) {
  Fill({{12, 7}});
  ChooseMode(1);
  Click(12);
  EXPECT_EQ(state.CursorCell, 12);
  EXPECT_EQ(window->Board(9)->CursorBar()->pos(), QPoint(Px(3 * 400 + 40), Px(400 + 320)));
  EXPECT_EQ(Code(12), 7);
  Click(12, Qt::RightButton);
  EXPECT_EQ(Code(12), 0);
  EXPECT_EQ(state.CursorCell, 12);
}

TEST_F(MouseInputTest, popupListGreysIllegalDigits) {
  Fill({{3, 4}, {36, 7}, {10, 9}});  // row 0 holds 4, column 0 holds 7, box 0 holds 9
  ChooseMode(2);
  std::vector<bool> enabled(17);
  std::vector<bool> visible(17);
  popupChoice = [&](QMenu& menu) -> QAction* {
    const PopupList& list = window->Menu().popup;
    EXPECT_EQ(&menu, list.menu);
    for (int i = 1; i <= 16; ++i) {
      enabled[static_cast<std::size_t>(i)] = list.digits[static_cast<std::size_t>(i)]->isEnabled();
      visible[static_cast<std::size_t>(i)] = list.digits[static_cast<std::size_t>(i)]->isVisible();
    }
    return list.digits[5];
  };
  Click(0);
  for (int i = 1; i <= 9; ++i) {
    EXPECT_TRUE(visible[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(enabled[static_cast<std::size_t>(i)], i != 4 && i != 7 && i != 9) << i;
  }
  for (int i = 10; i <= 16; ++i) EXPECT_FALSE(visible[static_cast<std::size_t>(i)]) << i;
  EXPECT_EQ(window->Input().PopupCell(), 0);
  EXPECT_EQ(Code(0), 5);
}

TEST_F(MouseInputTest, popupListChoicesAndErase) {
  ChooseMode(2);
  Fill({{1, 2}});
  const PopupList& list = window->Menu().popup;
  popupChoice = [&](QMenu&) { return list.digits[2]; };  // greyed: no change
  Click(0);
  EXPECT_EQ(Code(0), 0);
  popupChoice = [&](QMenu&) { return list.digits[8]; };
  Click(0);
  EXPECT_EQ(Code(0), 8);
  popupChoice = [&](QMenu&) { return list.erase; };
  Click(0);
  EXPECT_EQ(Code(0), 0);
  popupChoice = nullptr;  // closed without a choice
  Click(1);
  EXPECT_EQ(Code(1), 2);
  Click(1, Qt::RightButton);
  EXPECT_EQ(Code(1), 0);
}

TEST_F(MouseInputTest, popupListOnSixteenBySixteenShowsAllSixteen) {
  window->Menu().mnuFileNew16->trigger();
  ChooseMode(2);
  SetCell(app(), 5, 12);
  QStringList captions;
  popupChoice = [&](QMenu&) {
    const PopupList& list = window->Menu().popup;
    for (int i = 1; i <= 16; ++i) {
      QAction* item = list.digits[static_cast<std::size_t>(i)];
      if (item->isVisible()) captions << item->text();
    }
    EXPECT_FALSE(list.digits[12]->isEnabled());
    return list.digits[16];
  };
  Click(0);
  EXPECT_EQ(captions.size(), 16);
  EXPECT_EQ(captions.last(), QStringLiteral("16"));
  EXPECT_EQ(Code(0), 16);
}

}  // namespace
}  // namespace gridora::ui::testing
