// SPDX-License-Identifier: MIT
#pragma once
// What a key press means in keypad mode, and where the cursor goes. Pure
// functions over Qt key codes, so every rule can be checked without a window.

#include <Qt>

namespace gridora::ui {

// A key press as the keypad reads it.
struct KeyInput {
  int key = 0;             // Qt::Key
  bool modified = false;   // Shift, Ctrl or Alt held
  bool keypad = false;     // the key is on the numeric keypad
  int physicalDigit = -1;  // the digit printed on the key, -1 if unknown
};

enum class KeypadKind {
  Ignore,  // modifier and lock keys: nothing happens at all
  Move,    // a cursor key; `cell` is the new cursor
  Value,   // a value key; `value` is the digit to place (0 erases)
  Other,   // any other key: no value, but the cursor advances
};

struct KeypadAction {
  KeypadKind kind = KeypadKind::Ignore;
  int cell = 0;        // Move: new cursor cell (already wrapped)
  int value = 0;       // Value: 0 to 16, or more for a digit past the board
  bool erase = false;  // Move: erase the new cursor cell (Backspace)
  bool operator==(const KeypadAction&) const = default;
};

// The action of `input` with the cursor at `cursor` on a board of `boardSize`.
KeypadAction ReadKeypadKey(const KeyInput& input, int cursor, int boardSize);

// A cell index that has run one step past either end of the N x N cells,
// brought back from the other end.
int WrapCell(int cell, int boardSize);

// The digit printed on a main-keyboard key, from its X11/Wayland keycode
// (the same on every layout), -1 for other keys.
int DigitOfKeycode(unsigned keycode);

}  // namespace gridora::ui
