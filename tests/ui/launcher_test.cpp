// SPDX-License-Identifier: MIT
// The launcher panel: its tips, slot miniatures, and what its buttons run.

#include "ui/main/launcher_tips.h"
#include "ui/main/slot_preview.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

TEST(LauncherTipsTest, prefixNumberAndSuffix) {
  EXPECT_EQ(LauncherButtonTip(0), "メモリ no. 1 に現在のナンプレデータを保存");
  EXPECT_EQ(LauncherButtonTip(10), "メモリ no. 2 からナンプレデータを取り出す");
  EXPECT_EQ(LauncherButtonTip(26), "解 no. 9 を取り出して表示する");
  EXPECT_EQ(LauncherColumnTip(0), "メモリに現在のナンプレデータを保存");
  EXPECT_EQ(LauncherColumnTip(2), "解を取り出して表示する");
}

TEST(SlotPreviewTest, oneGlyphPerCellWithoutColour) {
  const QImage glyphs = DigitGlyphs();
  ASSERT_EQ(glyphs.size(), QSize(136, 8));
  BoardCodes codes{};
  codes[0] = 5;
  codes[80] = 128 + 9;  // a green 9 looks like a black one
  const QImage mini = SlotMiniature(codes, 9, glyphs);
  ASSERT_EQ(mini.size(), QSize(72, 72));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      EXPECT_EQ(mini.pixel(x, y), glyphs.pixel(40 + x, y)) << x << "," << y;
      EXPECT_EQ(mini.pixel(64 + x, 64 + y), glyphs.pixel(72 + x, y)) << x << "," << y;
      EXPECT_EQ(mini.pixel(8 + x, y), glyphs.pixel(x, y)) << x << "," << y;  // empty
    }
  }
  codes[255] = 16;
  EXPECT_EQ(SlotMiniature(codes, 16, glyphs).size(), QSize(72, 72));
}

using LauncherTest = WindowTest;

TEST_F(LauncherTest, hoveringAButtonShowsItsTipAndSlot) {
  LauncherPanel* launcher = window->Launcher();
  launcher->show();
  SetCell(app(), 0, 7);
  QTest::mouseClick(launcher->Button(1), Qt::LeftButton);  // store memory 2
  SetCell(app(), 0, 0);
  QTest::mouseMove(launcher->Button(10), QPoint(5, 5));
  EXPECT_EQ(Inform(), "メモリ no. 2 からナンプレデータを取り出す");
  EXPECT_TRUE(launcher->isVisible());
  const QImage shown = launcher->Preview()->pixmap().toImage();
  ASSERT_EQ(shown.size(), QSize(72, 72));
  EXPECT_EQ(shown,
            SlotMiniature(state.MemorySlot[2], 9, DigitGlyphs()).convertToFormat(shown.format()));
  // Staying on the button draws nothing again.
  const qint64 key = launcher->Preview()->pixmap().cacheKey();
  QTest::mouseMove(launcher->Button(10), QPoint(6, 6));
  EXPECT_EQ(launcher->Preview()->pixmap().cacheKey(), key);
}

TEST_F(LauncherTest, storeButtonShowsTheStoredBoard) {
  LauncherPanel* launcher = window->Launcher();
  launcher->show();
  SetCell(app(), 40, 3);
  QTest::mouseClick(launcher->Button(4), Qt::LeftButton);
  EXPECT_EQ(state.MemorySlot[5][40], 3);
  const QImage shown = launcher->Preview()->pixmap().toImage();
  EXPECT_EQ(shown, SlotMiniature(state.Board, 9, DigitGlyphs()).convertToFormat(shown.format()));
}

TEST_F(LauncherTest, disabledButtonsAndIcons) {
  LauncherPanel* launcher = window->Launcher();
  launcher->show();
  window->ShowStatus("before");
  QTest::mouseMove(launcher->Button(20), QPoint(5, 5));  // answer 3: no solution yet
  EXPECT_EQ(Inform(), "before");
  QTest::mouseClick(launcher->Button(20), Qt::LeftButton);
  EXPECT_EQ(Inform(), "before");
  QTest::mouseMove(launcher->Icon(1), QPoint(5, 5));
  EXPECT_EQ(Inform(), "メモリからナンプレデータを取り出す");
  EXPECT_TRUE(launcher->isVisible());
}

}  // namespace
}  // namespace gridora::ui::testing
