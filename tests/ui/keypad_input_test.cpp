// SPDX-License-Identifier: MIT
// Keypad mode driven by key presses on the window.

#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

class KeypadInputTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ChooseMode(1);
  }
  void CursorTo(int cell) { PlaceCursor(app(), cell); }
};

TEST_F(KeypadInputTest, cursorKeysOfTheEdgeCases) {
  CursorTo(80);
  Key(Qt::Key_Right);
  EXPECT_EQ(state.CursorCell, 0);
  CursorTo(3);
  Key(Qt::Key_Up);
  EXPECT_EQ(state.CursorCell, 75);
  CursorTo(40);
  Key(Qt::Key_Return);
  EXPECT_EQ(state.CursorCell, 45);
  Key(Qt::Key_Left);
  EXPECT_EQ(state.CursorCell, 44);
  Key(Qt::Key_Down);
  EXPECT_EQ(state.CursorCell, 53);
  EXPECT_EQ(window->Board(9)->CursorBar()->pos(), QPoint(Px(8 * 400 + 40), Px(5 * 400 + 320)));
}

TEST_F(KeypadInputTest, digitsArePlacedAndTheCursorAdvances) {
  CursorTo(10);
  Key(Qt::Key_7);
  EXPECT_EQ(Code(10), 7);
  EXPECT_EQ(state.CursorCell, 11);
  Key(Qt::Key_7);  // illegal in the row: silently ignored, cursor still advances
  EXPECT_EQ(Code(11), 0);
  EXPECT_EQ(state.CursorCell, 12);
  EXPECT_EQ(beeps, 0);
  CursorTo(10);
  Key(Qt::Key_Space);
  EXPECT_EQ(Code(10), 0);
  EXPECT_EQ(state.CursorCell, 11);
  Key(Qt::Key_3, Qt::KeypadModifier);
  EXPECT_EQ(Code(11), 3);
  CursorTo(80);
  Key(Qt::Key_9);
  EXPECT_EQ(Code(80), 9);
  EXPECT_EQ(state.CursorCell, 0);  // advancing wraps too
}

TEST_F(KeypadInputTest, shiftFiveOnNineByNineBeepsAndAdvances) {
  CursorTo(20);
  Key(Qt::Key_5, Qt::ShiftModifier);
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(Code(20), 0);
  EXPECT_EQ(state.CursorCell, 21);
  state.settings.Beep = false;
  Key(Qt::Key_5, Qt::ShiftModifier);
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(state.CursorCell, 22);
}

TEST_F(KeypadInputTest, shiftFiveOnSixteenBySixteenPlacesFifteen) {
  window->Menu().mnuFileNew16->trigger();
  EXPECT_EQ(state.CursorCell, 0);
  Key(Qt::Key_5, Qt::ShiftModifier);
  EXPECT_EQ(Code(0), 15);
  EXPECT_EQ(window->Board(16)->Label(0)->text(), QStringLiteral("15"));
  Key(Qt::Key_G);
  EXPECT_EQ(Code(1), 16);
  Key(Qt::Key_A);
  EXPECT_EQ(Code(2), 10);
  EXPECT_EQ(beeps, 0);
}

TEST_F(KeypadInputTest, letterFOnNineByNineIsSilent) {
  CursorTo(30);
  Key(Qt::Key_F);
  EXPECT_EQ(Code(30), 0);
  EXPECT_EQ(beeps, 0);
  EXPECT_EQ(state.CursorCell, 31);
}

TEST_F(KeypadInputTest, backspaceAtTheFirstCellErasesTheLast) {
  SetCell(app(), 80, 4);
  CursorTo(0);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(state.CursorCell, 80);
  EXPECT_EQ(Code(80), 0);
  EXPECT_EQ(window->Board(9)->Label(80)->text(), QString());
}

TEST_F(KeypadInputTest, modifierKeysAloneDoNotMoveTheCursor) {
  CursorTo(5);
  Key(Qt::Key_Shift);
  Key(Qt::Key_Control);
  Key(Qt::Key_Alt);
  EXPECT_EQ(state.CursorCell, 5);
  Key(Qt::Key_F7);  // any other key: no value, but the cursor moves on
  EXPECT_EQ(state.CursorCell, 6);
}

TEST_F(KeypadInputTest, otherModesIgnoreTheKeyboard) {
  ChooseMode(0);
  CursorTo(5);
  Key(Qt::Key_4);
  Key(Qt::Key_Right);
  EXPECT_EQ(Code(5), 0);
  EXPECT_EQ(state.CursorCell, 5);
  ChooseMode(2);
  Key(Qt::Key_4);
  EXPECT_EQ(Code(5), 0);
  EXPECT_FALSE(window->Board(9)->CursorBar()->isVisible());
}

TEST_F(KeypadInputTest, menuShortcutsDoNotReachTheKeypad) {
  SetCell(app(), 0, 1);
  Put(1, 2);
  Put(2, 3);
  RedrawBoard(app());  // a step of two cells: position 1
  ASSERT_EQ(state.HistoryPos, 1);
  CursorTo(10);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(state.HistoryPos, 0);
  EXPECT_EQ(Code(1), 0);
  EXPECT_EQ(state.CursorCell, 10);  // the key ran the menu command only
  Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(state.HistoryPos, 1);
  EXPECT_EQ(Code(1), 2);
  EXPECT_EQ(Code(10), 0);  // Ctrl+A is redo, not the letter A
  EXPECT_EQ(state.CursorCell, 10);
}

}  // namespace
}  // namespace gridora::ui::testing
