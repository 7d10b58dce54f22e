// SPDX-License-Identifier: MIT
#include "ui/main/keypad.h"

#include <gtest/gtest.h>

namespace gridora::ui {
namespace {

KeypadAction Read(int key, int cursor, int size, bool modified = false, bool keypad = false,
                  int physicalDigit = -1) {
  return ReadKeypadKey(KeyInput{key, modified, keypad, physicalDigit}, cursor, size);
}

KeypadAction MoveTo(int cell, bool erase = false) {
  return {KeypadKind::Move, cell, 0, erase};
}

KeypadAction ValueOf(int value) {
  return {KeypadKind::Value, 0, value, false};
}

TEST(KeypadTest, cursorKeysWrapAroundTheBoard) {
  EXPECT_EQ(Read(Qt::Key_Right, 80, 9), MoveTo(0));
  EXPECT_EQ(Read(Qt::Key_Left, 0, 9), MoveTo(80));
  EXPECT_EQ(Read(Qt::Key_Up, 3, 9), MoveTo(75));
  EXPECT_EQ(Read(Qt::Key_Down, 77, 9), MoveTo(5));
  EXPECT_EQ(Read(Qt::Key_Down, 250, 16), MoveTo(10));
  EXPECT_EQ(Read(Qt::Key_Right, 255, 16), MoveTo(0));
}

TEST(KeypadTest, enterGoesToTheStartOfTheNextRow) {
  EXPECT_EQ(Read(Qt::Key_Return, 40, 9), MoveTo(45));
  EXPECT_EQ(Read(Qt::Key_Enter, 45, 9), MoveTo(54));
  EXPECT_EQ(Read(Qt::Key_Return, 78, 9), MoveTo(0));
  EXPECT_EQ(Read(Qt::Key_Return, 17, 16), MoveTo(32));
}

TEST(KeypadTest, backspaceMovesBackAndErasesThere) {
  EXPECT_EQ(Read(Qt::Key_Backspace, 0, 9), MoveTo(80, true));
  EXPECT_EQ(Read(Qt::Key_Backspace, 10, 16), MoveTo(9, true));
}

TEST(KeypadTest, digitsAndTheirModifiedForms) {
  EXPECT_EQ(Read(Qt::Key_7, 0, 9), ValueOf(7));
  EXPECT_EQ(Read(Qt::Key_0, 0, 9), ValueOf(0));
  EXPECT_EQ(Read(Qt::Key_5, 0, 9, true), ValueOf(15));
  EXPECT_EQ(Read(Qt::Key_5, 0, 9, false, true), ValueOf(5));   // numeric keypad
  EXPECT_EQ(Read(Qt::Key_3, 0, 16, true, true), ValueOf(13));  // Ctrl + keypad 3
  EXPECT_EQ(Read(Qt::Key_Space, 0, 9), ValueOf(0));
  // Shift+5 reports "%" on the main keyboard; the key's own digit counts.
  EXPECT_EQ(Read(Qt::Key_Percent, 0, 16, true, false, 5), ValueOf(15));
  EXPECT_EQ(Read(Qt::Key_ParenRight, 0, 16, true, false, 0), ValueOf(10));
  // Without a known physical key a symbol is just another key.
  EXPECT_EQ(Read(Qt::Key_Percent, 0, 16, true).kind, KeypadKind::Other);
}

TEST(KeypadTest, lettersUpToTheBoardSize) {
  EXPECT_EQ(Read(Qt::Key_A, 0, 16), ValueOf(10));
  EXPECT_EQ(Read(Qt::Key_G, 0, 16), ValueOf(16));
  EXPECT_EQ(Read(Qt::Key_F, 0, 9).kind, KeypadKind::Other);  // 15 is past 9 x 9
  EXPECT_EQ(Read(Qt::Key_H, 0, 16).kind, KeypadKind::Other);
}

TEST(KeypadTest, modifierAndLockKeysDoNothing) {
  for (int key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta, Qt::Key_AltGr,
                  Qt::Key_CapsLock, Qt::Key_NumLock}) {
    EXPECT_EQ(Read(key, 5, 9).kind, KeypadKind::Ignore) << key;
  }
  EXPECT_EQ(Read(Qt::Key_F5, 5, 9).kind, KeypadKind::Other);
  EXPECT_EQ(Read(Qt::Key_Comma, 5, 9).kind, KeypadKind::Other);
}

TEST(KeypadTest, physicalDigitsOfTheKeycodes) {
  EXPECT_EQ(DigitOfKeycode(10), 1);
  EXPECT_EQ(DigitOfKeycode(14), 5);
  EXPECT_EQ(DigitOfKeycode(18), 9);
  EXPECT_EQ(DigitOfKeycode(19), 0);
  EXPECT_EQ(DigitOfKeycode(9), -1);   // Escape
  EXPECT_EQ(DigitOfKeycode(20), -1);  // minus
  EXPECT_EQ(DigitOfKeycode(84), -1);  // keypad 5
}

}  // namespace
}  // namespace gridora::ui
