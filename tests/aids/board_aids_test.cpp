// SPDX-License-Identifier: MIT
#include "aids/board_aids.h"

#include <vector>

#include "aids_support.h"

namespace gridora::testing {
namespace {

struct CandidateCase {
  int cell;
  const char* candidates;  // as a puzzle line writes digits; "" for none
};

void ExpectCandidates(const BoardCodes& board, int size,
                      std::initializer_list<CandidateCase> cases) {
  const CandidateMasks masks = CandidatesOf(board, size);
  for (const CandidateCase& c : cases) {
    EXPECT_EQ(MaskText(masks[static_cast<std::size_t>(c.cell)]), c.candidates) << "cell " << c.cell;
  }
}

std::vector<int> Cells(const CellSet& set) {
  std::vector<int> cells;
  for (int cell = 0; cell < kMaxCells; ++cell) {
    if (set.test(static_cast<std::size_t>(cell))) cells.push_back(cell);
  }
  return cells;
}

TEST(BoardAidsTest, candidatesOn9x9CountDigitsOfEveryColourClass) {
  BoardCodes board = Rows({"53..7....", "6..195...", ".98....6."});
  board[8] = MakeCode(4, kClassGreen);    // row 0, column 8
  board[62] = MakeCode(1, kClassYellow);  // row 6, column 8
  ExpectCandidates(board, 9,
                   {
                       {2, "12"},        // row 5 3 7 4, column 8, box 5 3 6 9 8
                       {10, "247"},      // row 6 1 9 5, column 3 9, box 5 3 6 9 8
                       {26, "2357"},     // row 9 8 6, column 4 1, box 4 6
                       {27, "1234789"},  // column 5 6
                       {80, "2356789"},  // column 4 1, box 1
                       {0, ""},          // a given
                       {8, ""},          // a solver's digit
                       {81, ""},         // outside the board
                   });
}

TEST(BoardAidsTest, candidatesOn16x16) {
  ExpectCandidates(Rows({"123456789abcdef."}, 16), 16,
                   {
                       {15, "g"},                  // the row holds 1 to 15
                       {28, "123456789abcg"},      // column 13, box 13 14 15
                       {17, "56789abcdefg"},       // box 1 2 3 4, column 2
                       {80, "23456789abcdefg"},    // column 1
                       {255, "123456789abcdefg"},  // nothing near
                   });
}

TEST(BoardAidsTest, repeatedDigitsMarkBothCellsInRowsColumnsAndBoxes) {
  BoardCodes board = Rows({
      "5...5....",  // a row: cells 0 and 4
      ".7.......",  // column 1 with row 7: cells 10 and 64
      ".........",  //
      "...2.....",  // a box (4) only: cells 30 and 50
      ".........",  //
      ".....2...",  //
      ".........",  //
      ".7.......",  //
      "........5",  // alone in its row, column and box
  });
  board[64] = MakeCode(7, kClassGreen);  // the solver's digits count too
  EXPECT_EQ(Cells(RepeatedCells(board, 9)), (std::vector<int>{0, 4, 10, 30, 50, 64}));
  EXPECT_EQ(Cells(RepeatedCells(BoardOf(kSolved9), 9)), std::vector<int>{});
}

TEST(BoardAidsTest, repeatedDigitsOn16x16) {
  BoardCodes board = Rows({"1....6..........", "", ".....6"}, 16);
  board[240] = 1;  // row 15, column 0: column 0 with cell 0
  board[255] = 1;  // row 15, column 15: row 15 with cell 240
  board[100] = MakeCode(16, kClassYellow);
  EXPECT_EQ(Cells(RepeatedCells(board, 16)), (std::vector<int>{0, 5, 37, 240, 255}));
}

}  // namespace
}  // namespace gridora::testing
