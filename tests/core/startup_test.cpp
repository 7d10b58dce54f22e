// SPDX-License-Identifier: MIT
#include "core/startup.h"

#include "support/core_fixture.h"

namespace gridora::testing {
namespace {

TEST(StartupTest, defaultsAfterStartUp) {
  AppState state;
  RecordingScreen screen;
  App app{state, screen};
  state.settings.KateiMode = 0;
  state.settings.UserName = "x";
  state.DataChanged = true;
  state.settings.SoftColor[1] = 1;
  state.MemorySlot[9][80] = 5;
  InitTables(state);
  ApplyDefaultSettings(app);
  EXPECT_EQ(state.settings.SoftColor[1], 5271600u);
  EXPECT_EQ(state.settings.HtmlColor[2], 16777184u);
  EXPECT_EQ(state.MemorySlot[9][80], 0);
  EXPECT_EQ(state.settings.KateiMode, 1);
  EXPECT_EQ(state.settings.KateiMax9, 9);
  EXPECT_EQ(state.settings.KateiMax16, 3);
  EXPECT_EQ(state.settings.NChangeSpeed, 2);
  EXPECT_EQ(state.settings.InputMode, InputKind::Mouse);
  EXPECT_TRUE(state.settings.KateiOnOff);
  EXPECT_TRUE(state.settings.AAnswerCheak);
  EXPECT_TRUE(state.settings.Beep);
  EXPECT_FALSE(state.settings.LPrintMode);
  EXPECT_EQ(state.settings.GifPath, "gdr_cg/");
  EXPECT_EQ(state.settings.UserName, "不明");
  EXPECT_FALSE(state.DataChanged);
  EXPECT_EQ(screen.centerCount, 1);
}

TEST(StartupTest, slotMenusStartDisabled) {
  AppState state;
  RecordingScreen screen;
  screen.memoryLoadMenu.fill(true);
  screen.answerMenu.fill(true);
  App app{state, screen};
  ApplyDefaultSettings(app);
  for (int n = 1; n <= 9; ++n) {
    EXPECT_FALSE(screen.memoryLoadMenu[static_cast<std::size_t>(n)]);
    EXPECT_FALSE(screen.answerMenu[static_cast<std::size_t>(n)]);
  }
}

}  // namespace
}  // namespace gridora::testing
