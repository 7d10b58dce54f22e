// SPDX-License-Identifier: MIT
#include "ui/main/board_geometry.h"

namespace gridora::ui {

TwipsRect CellLabelRect(int boardSize, int cell) {
  const int r = cell / boardSize;
  const int c = cell % boardSize;
  if (boardSize == 16) return {c * 225 + 10, r * 225 + 10, 225, 225};
  return {c * 400 + 15, r * 400 + 15, 375, 375};
}

TwipsPoint CursorBarPosition(int boardSize, int cell) {
  const int r = cell / boardSize;
  const int c = cell % boardSize;
  if (boardSize == 16) return {c * 225 + 20, r * 225 + 200};
  return {c * 400 + 40, r * 400 + 320};
}

TwipsPoint CursorBarSize(int boardSize) {
  return boardSize == 16 ? TwipsPoint{210, 48} : TwipsPoint{300, 60};
}

int CellAt(int boardSize, int x, int y) {
  const int pitch = CellPitch(boardSize);
  if (x < 0 || y < 0) return -1;
  const int c = x / pitch;
  const int r = y / pitch;
  if (c >= boardSize || r >= boardSize) return -1;
  return r * boardSize + c;
}

std::vector<EtchedLine> FineGridLines(int boardSize) {
  std::vector<EtchedLine> lines;
  if (boardSize == 16) {
    // Every line but the box lines at 4, 8 and 12; a horizontal pair has its
    // light line below the dark one, a vertical pair to its right.
    for (int j = 0; j < 12; ++j) {
      const int at = (j / 3 + j + 1) * 225;
      lines.push_back({0, at, 3600, at, true});
      lines.push_back({0, at + 15, 3600, at + 15, false});
      lines.push_back({at - 15, 0, at - 15, 3600, true});
      lines.push_back({at, 0, at, 3600, false});
    }
    return lines;
  }
  for (int k : {1, 2, 4, 5, 7, 8}) {
    const int at = k * 400;
    lines.push_back({0, at - 15, kBoardTwips, at - 15, true});
    lines.push_back({0, at, kBoardTwips, at, false});
    lines.push_back({at - 15, 0, at - 15, kBoardTwips, true});
    lines.push_back({at, 0, at, kBoardTwips, false});
  }
  return lines;
}

}  // namespace gridora::ui
