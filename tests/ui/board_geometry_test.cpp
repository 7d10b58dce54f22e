// SPDX-License-Identifier: MIT
#include "ui/main/board_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "ui/main/input_modes.h"

namespace gridora::ui {
namespace {

TEST(BoardGeometryTest, twipsBecomeRoundedPixels) {
  EXPECT_EQ(Px(15), 1);
  EXPECT_EQ(Px(3615), 241);
  EXPECT_EQ(Px(3215), 214);  // 214.33
  EXPECT_EQ(Px(400), 27);    // 26.67
  EXPECT_EQ(Px(7), 0);
  EXPECT_EQ(Px(8), 1);
  EXPECT_EQ(Px(-8), -1);
}

TEST(BoardGeometryTest, lastCellLabelsAndCursorBars) {
  EXPECT_EQ(CellLabelRect(9, 80), (TwipsRect{3215, 3215, 375, 375}));
  EXPECT_EQ(CursorBarPosition(9, 80), (TwipsPoint{3240, 3520}));
  EXPECT_EQ(CellLabelRect(16, 255), (TwipsRect{3385, 3385, 225, 225}));
  EXPECT_EQ(CursorBarPosition(16, 255), (TwipsPoint{3395, 3575}));
  // Row 2, column 4 is cell 22 on 9 x 9 and cell 36 on 16 x 16.
  EXPECT_EQ(CellLabelRect(9, 22), (TwipsRect{1615, 815, 375, 375}));
  EXPECT_EQ(CellLabelRect(16, 36), (TwipsRect{910, 460, 225, 225}));
  EXPECT_EQ(CursorBarSize(9), (TwipsPoint{300, 60}));
  EXPECT_EQ(CursorBarSize(16), (TwipsPoint{210, 48}));
}

TEST(BoardGeometryTest, cellUnderABoardPoint) {
  EXPECT_EQ(CellAt(9, 0, 0), 0);
  EXPECT_EQ(CellAt(9, 399, 399), 0);
  EXPECT_EQ(CellAt(9, 400, 0), 1);
  EXPECT_EQ(CellAt(9, 3599, 3599), 80);
  EXPECT_EQ(CellAt(9, 3600, 100), -1);
  EXPECT_EQ(CellAt(9, -1, 100), -1);
  EXPECT_EQ(CellAt(9, 100, -300), -1);
  EXPECT_EQ(CellAt(16, 3599, 3599), 255);
  EXPECT_EQ(CellAt(16, 3600, 0), -1);
  EXPECT_EQ(CellAt(16, 225 * 3 + 5, 225 * 2), 35);
}

TEST(BoardGeometryTest, fineGridSkipsTheBoxLines) {
  const auto lines9 = FineGridLines(9);
  ASSERT_EQ(lines9.size(), 24u);  // 6 positions, two pairs each
  std::set<int> lightRows;
  for (const EtchedLine& line : lines9) {
    if (line.y1 == line.y2 && !line.dark) lightRows.insert(line.y1);
  }
  EXPECT_EQ(lightRows, (std::set<int>{400, 800, 1600, 2000, 2800, 3200}));
  // The dark line of each pair lies 15 twips before its light line.
  EXPECT_NE(std::find(lines9.begin(), lines9.end(), EtchedLine{0, 385, 3615, 385, true}),
            lines9.end());

  const auto lines16 = FineGridLines(16);
  ASSERT_EQ(lines16.size(), 48u);
  std::set<int> darkRows;
  std::set<int> darkColumns;
  for (const EtchedLine& line : lines16) {
    if (!line.dark) continue;
    (line.y1 == line.y2 ? darkRows : darkColumns).insert(line.y1 == line.y2 ? line.y1 : line.x1);
  }
  EXPECT_EQ(darkRows.count(900), 0u);
  EXPECT_EQ(darkRows.count(225), 1u);
  EXPECT_EQ(darkRows.count(3375), 1u);
  // Vertical pairs: dark at k x 225 - 15, light at k x 225.
  EXPECT_EQ(darkColumns.count(210), 1u);
  EXPECT_EQ(darkColumns.count(225), 0u);
}

TEST(InputSettingsTest, repeatIntervalDoublesEveryFourSteps) {
  const int expected[] = {100, 119, 141, 168, 200, 238, 283, 336, 400};
  for (int s = 0; s <= 8; ++s) EXPECT_EQ(RepeatInterval(s), expected[s]) << s;
  EXPECT_EQ(RepeatInterval(-3), 100);
  EXPECT_EQ(RepeatInterval(40), 400);
}

TEST(InputSettingsTest, hintsOfTheThreeModes) {
  EXPECT_EQ(InputHint(InputKind::Mouse), "[マウス入力]  左クリック:数字＋１ 右:数字－１");
  EXPECT_EQ(InputHint(InputKind::Keypad), "[テンキー入力]  左:カーソル移動 右:数字消去");
  EXPECT_EQ(InputHint(InputKind::PopupList), "[メニュー入力]  左:ポップメニュー 右:数字消去");
}

}  // namespace
}  // namespace gridora::ui
