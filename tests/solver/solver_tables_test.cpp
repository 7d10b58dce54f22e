// SPDX-License-Identifier: MIT
#include "solver/solver_tables.h"

#include <string>

#include "solver_support.h"

namespace gridora::testing {
namespace {

using PlacementTest = SolverTest;

TEST_F(PlacementTest, aDigitOfAnyColourInRowColumnOrBoxForbids) {
  BulkSet({{3, 128 + 5}, {9 * 5 + 1, 2 * 128 + 6}, {10, 7}});
  EXPECT_FALSE(IsPlacementLegal(state, 0, 5));  // green 5 in the row
  EXPECT_FALSE(IsPlacementLegal(state, 1, 6));  // yellow 6 in the column
  EXPECT_FALSE(IsPlacementLegal(state, 0, 7));  // black 7 in the box
  EXPECT_TRUE(IsPlacementLegal(state, 0, 8));
  EXPECT_TRUE(IsPlacementLegal(state, 40, 5));
}

TEST_F(PlacementTest, theCellsOwnDigitDoesNotCount) {
  BulkSet({{22, 5}});
  EXPECT_TRUE(IsPlacementLegal(state, 22, 5));
  EXPECT_FALSE(IsPlacementLegal(state, 23, 5));
}

TEST_F(PlacementTest, sixteenBoardUsesItsOwnGeometry) {
  NewPuzzle16(app);
  BulkSet({{51, 12}});  // box 0, last cell
  EXPECT_FALSE(IsPlacementLegal(state, 0, 12));
  EXPECT_FALSE(IsPlacementLegal(state, 3 * 16 + 15, 12));  // same row, far end
  EXPECT_TRUE(IsPlacementLegal(state, 4, 12));             // next box, other row
  EXPECT_FALSE(IsPlacementLegal(state, 256, 1));
  EXPECT_FALSE(IsPlacementLegal(state, -1, 1));
}

TEST_F(PlacementTest, emptyDigitConflictsWithAnyEmptyPeer) {
  EXPECT_FALSE(IsPlacementLegal(state, 0, 0));
}

TEST(ProgressTest, filledSquaresRoundHalfUpAndSurviveAFullBoard) {
  EXPECT_EQ(ProgressFilled(60, 60), 0);
  EXPECT_EQ(ProgressFilled(0, 60), 16);
  EXPECT_EQ(ProgressFilled(0, 0), 16);
  EXPECT_EQ(ProgressFilled(1, 32), 15);   // 0.5 squares open rounds up
  EXPECT_EQ(ProgressFilled(10, 81), 14);  // 1.975 open
  EXPECT_LT(ProgressFilled(81, 60), 0);   // after a restore, more than at the start
}

TEST(ProgressTest, textNamesTheSolutionInFullWidth) {
  std::string text;
  AppendProgressText(text, 1, 5);
  EXPECT_EQ(text, "検索中：解１  ■■■■■□□□□□□□□□□□");
  text.clear();
  AppendProgressText(text, 9, 16);
  EXPECT_EQ(text, "検索中：解９  ■■■■■■■■■■■■■■■■");
  text.clear();
  AppendProgressText(text, 10, 0);
  EXPECT_EQ(text, "検索中：解１０  □□□□□□□□□□□□□□□□");
  text.clear();
  AppendProgressText(text, 2, -4);
  EXPECT_EQ(text, "検索中：解２  □□□□□□□□□□□□□□□□");
}

TEST_F(PlacementTest, initSolverTablesFillsTheEightTexts) {
  EXPECT_EQ(state.SolveMessages[0], "Gridora");
  EXPECT_EQ(state.SolveMessages[1], "成功！");
  EXPECT_EQ(state.SolveMessages[2], "エラー発生  場所：");
  EXPECT_EQ(state.SolveMessages[3], "解けませんでした");
  EXPECT_EQ(state.SolveMessages[4], "成功！ -標準-");
  EXPECT_EQ(state.SolveMessages[5], "成功！ -普通-");
  EXPECT_EQ(state.SolveMessages[6], "成功！ -難問-");
  EXPECT_EQ(state.SolveMessages[7], "???");
}

}  // namespace
}  // namespace gridora::testing
