// SPDX-License-Identifier: MIT
#pragma once
// Where things sit on the two board surfaces, in twips (1/1440 inch) as the
// layout is designed, and the one conversion to pixels. No Qt here, so the
// layout rules can be checked on their own.

#include <vector>

namespace gridora::ui {

inline constexpr int kTwipsPerPixel = 15;  // 96 dots per inch

// Twips to logical pixels, rounded to the nearest pixel.
constexpr int Px(int twips) {
  return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
  bool operator==(const TwipsRect&) const = default;
};

struct TwipsPoint {
  int left;
  int top;
  bool operator==(const TwipsPoint&) const = default;
};

inline constexpr int kBoardTwips = 3615;  // 3600 of board plus a 15-twip border

// Distance between neighbouring cells: 400 on 9 x 9, 225 on 16 x 16.
constexpr int CellPitch(int boardSize) {
  return boardSize == 16 ? 225 : 400;
}

// The rectangle of the label of `cell` inside its board surface.
TwipsRect CellLabelRect(int boardSize, int cell);

// Top-left corner of the keypad cursor bar under `cell`.
TwipsPoint CursorBarPosition(int boardSize, int cell);

// Size of the cursor bar: 300 x 60 on 9 x 9, 210 x 48 on 16 x 16.
TwipsPoint CursorBarSize(int boardSize);

// The cell of the board whose area holds the board point (x, y), or -1
// when the point lies outside the N x N cells.
int CellAt(int boardSize, int x, int y);

// One line of an etched pair: from (x1, y1) to (x2, y2), dark or light.
struct EtchedLine {
  int x1, y1, x2, y2;
  bool dark;
  bool operator==(const EtchedLine&) const = default;
};

// The fine grid lines of a board surface as etched pairs (dark line first).
std::vector<EtchedLine> FineGridLines(int boardSize);

}  // namespace gridora::ui
