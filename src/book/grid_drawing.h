// SPDX-License-Identifier: MIT
#pragma once
// One puzzle grid on a page: thin cell lines, thick box lines and border,
// and the cells' characters centred in their cells.

#include <string>
#include <vector>

#include "book/page_document.h"

namespace gridora::book {

enum class CellKind { Empty, Given, Entered };

struct GridCell {
  std::string text;  // what the cell shows ("" when empty)
  CellKind kind = CellKind::Empty;
};

// Where line k (0 to N) of an N x N grid placed on [start, start + side]
// runs: the grid's columns (or rows) are equal.
double GridLinePosition(double start, double side, int boardSize, int k);

// Widths of the cell lines and of the box lines and border for a cell of
// `cell` points: thick enough to tell apart from across a table, thin
// enough for small solution grids.
double ThinLineWidth(double cell);
double ThickLineWidth(double cell);

// Adds the grid of `boardSize` (9 or 16) in `square` to the page: the lines
// and, for every cell of `cells` (N x N in reading order), its text: givens
// in bold black, entered digits in blue.
void DrawGrid(Page& page, const Rect& square, int boardSize, const std::vector<GridCell>& cells);

inline constexpr std::uint32_t kGivenColor = 0x000000;
inline constexpr std::uint32_t kEnteredColor = 0x1F4E9A;

}  // namespace gridora::book
