#include "core/startup.h"

#include "support/core_fixture.h"

namespace gridora::testing {
namespace {

TEST(StartupTest, defaultsAfterStartUp) {
  AppState state;
  RecordingScreen screen;
  App app{state, screen};
  state.KateiMode = 0;
  state.UserName = "x";
  state.DataChanged = true;
  state.SoftColor[1] = 1;
  state.MemorySlot[9][80] = 5;
  InitTables(state);
  ApplyDefaultSettings(app);
  EXPECT_EQ(state.SoftColor[1], 5271600u);
  EXPECT_EQ(state.HtmlColor[2], 16777184u);
  EXPECT_EQ(state.MemorySlot[9][80], 0);
  EXPECT_EQ(state.KateiMode, 1);
  EXPECT_EQ(state.KateiMax9, 9);
  EXPECT_EQ(state.KateiMax16, 3);
  EXPECT_EQ(state.NChangeSpeed, 2);
  EXPECT_EQ(state.InputMode, 0);
  EXPECT_TRUE(state.KateiOnOff);
  EXPECT_TRUE(state.AAnswerCheak);
  EXPECT_TRUE(state.Beep);
  EXPECT_FALSE(state.LPrintMode);
  EXPECT_EQ(state.GifPath, "gdr_cg/");
  EXPECT_EQ(state.UserName, "不明");
  EXPECT_FALSE(state.DataChanged);
  EXPECT_EQ(screen.centerCount, 1);
  EXPECT_EQ(state.ToolbarHot, -1);
  EXPECT_STREQ(state.Toolbar[8].key, "input");
  EXPECT_EQ(state.Toolbar[8].left, 233);
  EXPECT_EQ(state.Toolbar[10].right, 325);
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
