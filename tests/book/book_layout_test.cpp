// SPDX-License-Identifier: MIT
#include "book/book_layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "book/grid_drawing.h"

namespace gridora::book {
namespace {

struct Block {
  double left, top, right, bottom;
};

Block BlockOf(const std::vector<Slot>& slots) {
  Block b{1e9, 1e9, -1e9, -1e9};
  for (const Slot& s : slots) {
    b.left = std::min(b.left, s.square.x);
    b.top = std::min(b.top, s.label.y);
    b.right = std::max(b.right, s.square.right());
    b.bottom = std::max(b.bottom, s.square.bottom());
  }
  return b;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

// Every arrangement on both papers: the grids are squares of one size, each
// under its label, none overlapping, inside the body; the block of them is
// centred (even margins) and reaches the body's edges in one direction, so
// it is as large as the page allows.
TEST(BookLayout, EveryArrangementFillsThePageWithEvenMargins) {
  for (const Paper& paper : {PaperA4(), PaperLetter()}) {
    for (const auto& [size, perPage] :
         {std::pair{9, 1}, {9, 2}, {9, 4}, {9, 6}, {16, 1}, {16, 2}}) {
      SCOPED_TRACE(paper.name + " " + std::to_string(size) + " x" + std::to_string(perPage));
      const BookLayout layout(paper, size, perPage);
      const Rect body = layout.BodyArea();
      EXPECT_NEAR(body.x, paper.width - body.right(), 1e-9);
      EXPECT_LT(layout.SubtitleBox().bottom(), body.y);
      EXPECT_GT(layout.FooterBox().y, body.bottom());
      for (const auto* slots : {&layout.PuzzleSlots(), &layout.SolutionSlots()}) {
        const Block b = BlockOf(*slots);
        EXPECT_NEAR(b.left - body.x, body.right() - b.right, 1e-6);
        EXPECT_NEAR(b.top - body.y, body.bottom() - b.bottom, 1e-6);
        EXPECT_TRUE(std::abs(b.left - body.x) < 1e-6 || std::abs(b.top - body.y) < 1e-6);
        const double side = slots->front().square.width;
        for (std::size_t i = 0; i < slots->size(); ++i) {
          const Slot& s = (*slots)[i];
          EXPECT_DOUBLE_EQ(s.square.width, side);
          EXPECT_DOUBLE_EQ(s.square.height, side);
          EXPECT_DOUBLE_EQ(s.label.bottom(), s.square.y);
          EXPECT_DOUBLE_EQ(s.label.x, s.square.x);
          for (std::size_t j = 0; j < i; ++j) {
            EXPECT_FALSE(Overlap(s.square, (*slots)[j].square));
            EXPECT_FALSE(Overlap(s.label, (*slots)[j].square));
          }
        }
      }
      EXPECT_EQ(layout.PuzzleSlots().size(), static_cast<std::size_t>(perPage));
      const double cellMm = layout.PuzzleSlots().front().square.width / size / kPointsPerMm;
      const double solutionMm = layout.SolutionSlots().front().square.width / size / kPointsPerMm;
      if (size == 9) {
        EXPECT_GE(cellMm, 7.0);
      }
      EXPECT_GE(solutionMm, 4.0);
    }
  }
  // Six a page on A4 still gives the 9 x 9 cells more than 7.5 mm.
  const BookLayout six(PaperA4(), 9, 6);
  EXPECT_GT(six.PuzzleSlots()[0].square.width / 9 / kPointsPerMm, 7.5);
  EXPECT_EQ(six.PuzzlePages(13), 3);
  EXPECT_EQ(six.SolutionPages(20), 1);
  EXPECT_EQ(six.SolutionPages(21), 2);
}

TEST(GridDrawing, BoxLinesAreThickAndDigitsSitInTheirCells) {
  Page page;
  std::vector<GridCell> cells(81);
  cells[0] = {"5", CellKind::Given};
  cells[80] = {"7", CellKind::Entered};
  DrawGrid(page, {100, 200, 180, 180}, 9, cells);
  ASSERT_EQ(page.lines.size(), 20u);
  int thick = 0;
  for (const Line& line : page.lines) {
    const bool vertical = line.x1 == line.x2;
    const double at = vertical ? line.x1 : line.y1;
    const double k = (at - (vertical ? 100 : 200)) / 20;
    EXPECT_NEAR(k, std::round(k), 1e-9);
    const bool box = static_cast<int>(std::round(k)) % 3 == 0;
    EXPECT_DOUBLE_EQ(line.width, box ? ThickLineWidth(20) : ThinLineWidth(20));
    thick += box;
  }
  EXPECT_EQ(thick, 8);
  EXPECT_GT(ThickLineWidth(20), 2 * ThinLineWidth(20));
  ASSERT_EQ(page.texts.size(), 2u);
  EXPECT_EQ(page.texts[0].box.x, 100);
  EXPECT_EQ(page.texts[0].box.y, 200);
  EXPECT_TRUE(page.texts[0].bold);
  EXPECT_EQ(page.texts[0].color, kGivenColor);
  EXPECT_EQ(page.texts[1].box.x, 260);
  EXPECT_EQ(page.texts[1].box.y, 360);
  EXPECT_FALSE(page.texts[1].bold);
  EXPECT_EQ(page.texts[1].color, kEnteredColor);

  // Two-character digits of 16 x 16 are set smaller than single ones.
  Page wide;
  std::vector<GridCell> big(256);
  big[0] = {"9", CellKind::Given};
  big[1] = {"16", CellKind::Given};
  DrawGrid(wide, {0, 0, 320, 320}, 16, big);
  EXPECT_EQ(wide.lines.size(), 34u);
  EXPECT_LT(wide.texts[1].size, 0.5 * 20);
  EXPECT_EQ(wide.texts[0].size, wide.texts[1].size);
}

}  // namespace
}  // namespace gridora::book
