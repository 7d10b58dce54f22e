// SPDX-License-Identifier: MIT
#include "book/book_layout.h"

#include <algorithm>

namespace gridora::book {

namespace {

constexpr double kTitleHeight = 26;
constexpr double kSubtitleHeight = 16;
constexpr double kFooterHeight = 14;
constexpr double kBandGap = 12;  // between the title band or the footer and the grids

constexpr double kPuzzleLabel = 15;
constexpr double kPuzzleGap = 24;
constexpr double kSolutionLabel = 10;
constexpr double kSolutionGap = 10;

struct Arrangement {
  int columns;
  int rows;
};

Arrangement PuzzleArrangement(int perPage) {
  switch (perPage) {
    case 2:
      return {1, 2};
    case 4:
      return {2, 2};
    case 6:
      return {2, 3};
    default:
      return {1, 1};
  }
}

}  // namespace

std::vector<Slot> ArrangeSlots(const Rect& area, int columns, int rows, double labelHeight,
                               double gap) {
  const double byWidth = (area.width - (columns - 1) * gap) / columns;
  const double byHeight = (area.height - rows * labelHeight - (rows - 1) * gap) / rows;
  const double side = std::max(0.0, std::min(byWidth, byHeight));
  const double blockWidth = columns * side + (columns - 1) * gap;
  const double blockHeight = rows * (labelHeight + side) + (rows - 1) * gap;
  const double left = area.x + (area.width - blockWidth) / 2;
  const double top = area.y + (area.height - blockHeight) / 2;
  std::vector<Slot> slots;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      const double x = left + column * (side + gap);
      const double y = top + row * (labelHeight + side + gap);
      slots.push_back({{x, y, side, labelHeight}, {x, y + labelHeight, side, side}});
    }
  }
  return slots;
}

BookLayout::BookLayout(const Paper& paper, int boardSize, int perPage)
    : paper_(paper), boardSize_(boardSize) {
  const Arrangement a = PuzzleArrangement(perPage);
  puzzles_ = ArrangeSlots(BodyArea(), a.columns, a.rows, kPuzzleLabel, kPuzzleGap);
  solutions_ = boardSize == 16 ? ArrangeSlots(BodyArea(), 2, 3, kSolutionLabel, kSolutionGap)
                               : ArrangeSlots(BodyArea(), 4, 5, kSolutionLabel, kSolutionGap);
}

bool BookLayout::Allows(int boardSize, int perPage) {
  if (boardSize == 16) return perPage == 1 || perPage == 2;
  return boardSize == 9 && (perPage == 1 || perPage == 2 || perPage == 4 || perPage == 6);
}

Rect BookLayout::TitleBox() const {
  return {kMargin, kMargin, paper_.width - 2 * kMargin, kTitleHeight};
}

Rect BookLayout::SubtitleBox() const {
  return {kMargin, kMargin + kTitleHeight, paper_.width - 2 * kMargin, kSubtitleHeight};
}

Rect BookLayout::FooterBox() const {
  return {kMargin, paper_.height - kMargin - kFooterHeight, paper_.width - 2 * kMargin,
          kFooterHeight};
}

Rect BookLayout::BodyArea() const {
  const double top = kMargin + kTitleHeight + kSubtitleHeight + kBandGap;
  const double bottom = paper_.height - kMargin - kFooterHeight - kBandGap;
  return {kMargin, top, paper_.width - 2 * kMargin, bottom - top};
}

int BookLayout::PuzzlePages(int count) const {
  const int n = static_cast<int>(puzzles_.size());
  return (count + n - 1) / n;
}

int BookLayout::SolutionPages(int count) const {
  const int n = static_cast<int>(solutions_.size());
  return (count + n - 1) / n;
}

}  // namespace gridora::book
