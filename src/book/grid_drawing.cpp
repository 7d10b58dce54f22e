// SPDX-License-Identifier: MIT
#include "book/grid_drawing.h"

#include <algorithm>

#include "core/utf8_chars.h"

namespace gridora::book {

double GridLinePosition(double start, double side, int boardSize, int k) {
  return start + side * k / boardSize;
}

double ThinLineWidth(double cell) {
  return std::clamp(cell * 0.025, 0.3, 0.75);
}

double ThickLineWidth(double cell) {
  return std::clamp(cell * 0.07, 1.0, 2.25);
}

namespace {

// The largest number of characters a cell shows: two-character digits
// ("10" to "16") get a smaller size so that they stay inside their cell.
std::size_t LongestText(const std::vector<GridCell>& cells) {
  std::size_t longest = 1;
  for (const GridCell& cell : cells) longest = std::max(longest, Utf8Chars(cell.text).size());
  return longest;
}

}  // namespace

void DrawGrid(Page& page, const Rect& square, int boardSize, const std::vector<GridCell>& cells) {
  const double cell = square.width / boardSize;
  const int box = boardSize == 16 ? 4 : 3;
  const double thin = ThinLineWidth(cell);
  const double thick = ThickLineWidth(cell);
  // Thin lines first, so that the box lines cover their ends.
  for (const bool boxLines : {false, true}) {
    for (int k = 0; k <= boardSize; ++k) {
      if ((k % box == 0) != boxLines) continue;
      const double width = boxLines ? thick : thin;
      // Box lines reach half their width past the border, so corners close.
      const double overhang = boxLines ? thick / 2 : 0;
      const double x = GridLinePosition(square.x, square.width, boardSize, k);
      const double y = GridLinePosition(square.y, square.height, boardSize, k);
      page.lines.push_back({x, square.y - overhang, x, square.bottom() + overhang, width});
      page.lines.push_back({square.x - overhang, y, square.right() + overhang, y, width});
    }
  }
  const std::size_t longest = LongestText(cells);
  const double size = cell * (longest <= 1 ? 0.62 : longest == 2 ? 0.46 : 0.9 / longest);
  for (int i = 0; i < boardSize * boardSize && i < static_cast<int>(cells.size()); ++i) {
    const GridCell& c = cells[i];
    if (c.kind == CellKind::Empty || c.text.empty()) continue;
    const int row = i / boardSize;
    const int column = i % boardSize;
    Text text;
    text.box = {GridLinePosition(square.x, square.width, boardSize, column),
                GridLinePosition(square.y, square.height, boardSize, row), cell, cell};
    text.text = c.text;
    text.size = size;
    text.bold = c.kind == CellKind::Given;
    text.align = Align::Center;
    text.face = Face::Digits;
    text.color = c.kind == CellKind::Given ? kGivenColor : kEnteredColor;
    page.texts.push_back(std::move(text));
  }
}

}  // namespace gridora::book
