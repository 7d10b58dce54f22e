// SPDX-License-Identifier: MIT
#include "ui/main/keypad.h"

namespace gridora::ui {

int WrapCell(int cell, int boardSize) {
  const int cells = boardSize * boardSize;
  if (cell < 0) return cell + cells;
  if (cell >= cells) return cell - cells;
  return cell;
}

int DigitOfKeycode(unsigned keycode) {
  // evdev keycodes 2 to 11 ("1" to "0") are X keycodes 10 to 19.
  if (keycode >= 10 && keycode <= 18) return static_cast<int>(keycode) - 9;
  if (keycode == 19) return 0;
  return -1;
}

namespace {

bool IsModifierOrLock(int key) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_unknown:
    case 0:
      return true;
    default:
      return false;
  }
}

KeypadAction MoveTo(int cell, int boardSize, bool erase = false) {
  return {KeypadKind::Move, WrapCell(cell, boardSize), 0, erase};
}

}  // namespace

KeypadAction ReadKeypadKey(const KeyInput& in, int c, int n) {
  if (IsModifierOrLock(in.key)) return {};
  switch (in.key) {
    case Qt::Key_Left:
      return MoveTo(c - 1, n);
    case Qt::Key_Right:
      return MoveTo(c + 1, n);
    case Qt::Key_Up:
      return MoveTo(c - n, n);
    case Qt::Key_Down:
      return MoveTo(c + n, n);
    case Qt::Key_Backspace:
      return MoveTo(c - 1, n, true);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return MoveTo(c + n - c % n, n);
    case Qt::Key_Space:
      return {KeypadKind::Value, 0, 0, false};
    default:
      break;
  }
  // A digit key: by its Qt code, or for a shifted main-keyboard key (which
  // reports its symbol, "%" for Shift+5) by the key it was typed on.
  int digit = -1;
  if (in.key >= Qt::Key_0 && in.key <= Qt::Key_9) {
    digit = in.key - Qt::Key_0;
  } else if (!in.keypad && in.physicalDigit >= 0) {
    digit = in.physicalDigit;
  }
  if (digit >= 0) return {KeypadKind::Value, 0, digit + (in.modified ? 10 : 0), false};
  if (in.key >= Qt::Key_A && in.key <= Qt::Key_G) {
    const int value = in.key - Qt::Key_A + 10;
    if (value <= n) return {KeypadKind::Value, 0, value, false};
  }
  return {KeypadKind::Other, 0, 0, false};
}

}  // namespace gridora::ui
