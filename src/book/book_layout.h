// SPDX-License-Identifier: MIT
#pragma once
// Where things go on a printed page, in points: the title band at the top,
// the page number at the foot, and between them the puzzles of a page laid
// out in columns and rows, each with a label line above its grid. The grids
// are as large as the area allows and the block of them is centred, so the
// same book fills A4 and Letter alike with even margins.
//
//   BookLayout layout(PaperA4(), 9, 6);
//   Rect grid = layout.PuzzleSlots()[5].square;   // bottom right puzzle

#include <vector>

#include "book/page_document.h"

namespace gridora::book {

struct Slot {
  Rect label;   // the line above the grid (number and grade)
  Rect square;  // the grid itself
};

// Lays out columns x rows slots in `area`: grids square and all of one size,
// as large as fits with `gap` between slots, the whole block centred.
std::vector<Slot> ArrangeSlots(const Rect& area, int columns, int rows, double labelHeight,
                               double gap);

class BookLayout {
 public:
  static constexpr double kMargin = 36;  // half an inch on every side

  // `perPage` must be allowed for the board (see Allows).
  BookLayout(const Paper& paper, int boardSize, int perPage);

  // 1, 2, 4 or 6 puzzles a page on 9 x 9; 1 or 2 on 16 x 16.
  static bool Allows(int boardSize, int perPage);

  const Paper& paper() const { return paper_; }
  int boardSize() const { return boardSize_; }
  Rect TitleBox() const;
  Rect SubtitleBox() const;
  Rect FooterBox() const;
  // The area between the title band and the page number.
  Rect BodyArea() const;

  const std::vector<Slot>& PuzzleSlots() const { return puzzles_; }
  const std::vector<Slot>& SolutionSlots() const { return solutions_; }
  int PuzzlePages(int count) const;
  int SolutionPages(int count) const;

 private:
  Paper paper_;
  int boardSize_;
  std::vector<Slot> puzzles_;
  std::vector<Slot> solutions_;
};

}  // namespace gridora::book
