// SPDX-License-Identifier: MIT
#include "core/color_class.h"

#include "core/history.h"
#include "core/slots.h"
#include "support/core_fixture.h"

namespace gridora::testing {
namespace {

constexpr int kGreen = 128;
constexpr int kYellow = 256;

class ColorClassTest : public CoreTest {
 protected:
  // Black 1, green 2, yellow 3, empty, green 4, yellow 5.
  void SetUp() override {
    CoreTest::SetUp();
    BulkSet({{0, 1}, {1, kGreen + 2}, {2, kYellow + 3}, {4, kGreen + 4}, {5, kYellow + 5}});
  }
};

TEST_F(ColorClassTest, greenAndYellowToBlack) {
  ChangeColorClass(app, 0, 0);
  EXPECT_EQ(Code(0), 1);
  EXPECT_EQ(Code(1), 2);
  EXPECT_EQ(Code(2), 3);
  EXPECT_EQ(Code(3), 0);
  EXPECT_EQ(Code(5), 5);
  EXPECT_EQ(screen.Cell(9, 2).color, state.settings.SoftColor[0]);
}

TEST_F(ColorClassTest, greenAndYellowToGreenAndToYellowAndErase) {
  ChangeColorClass(app, 0, 1);
  EXPECT_EQ(Code(2), kGreen + 3);
  EXPECT_EQ(Code(1), kGreen + 2);
  ChangeColorClass(app, 0, 2);
  EXPECT_EQ(Code(1), kYellow + 2);
  EXPECT_EQ(Code(0), 1);
  ChangeColorClass(app, 0, 3);
  EXPECT_EQ(Code(1), 0);
  EXPECT_EQ(Code(5), 0);
  EXPECT_EQ(Code(0), 1);
}

TEST_F(ColorClassTest, greenToYellowLeavesOtherClasses) {
  ChangeColorClass(app, 1, 2);
  EXPECT_EQ(Code(1), kYellow + 2);
  EXPECT_EQ(Code(4), kYellow + 4);
  EXPECT_EQ(Code(2), kYellow + 3);
  EXPECT_EQ(Code(0), 1);
}

TEST_F(ColorClassTest, greenOperationsTouchOnlyGreen) {
  ChangeColorClass(app, 1, 0);
  EXPECT_EQ(Code(1), 2);
  EXPECT_EQ(Code(2), kYellow + 3);
  ChangeColorClass(app, 1, 3);
  EXPECT_EQ(Code(1), 2);  // black by now, so no longer selected
}

TEST_F(ColorClassTest, yellowOperations) {
  ChangeColorClass(app, 2, 1);
  EXPECT_EQ(Code(2), kGreen + 3);
  EXPECT_EQ(Code(5), kGreen + 5);
  ChangeColorClass(app, 0, 2);
  ChangeColorClass(app, 2, 3);
  for (int i = 1; i < 6; ++i) EXPECT_EQ(Code(i), 0) << i;
  EXPECT_EQ(Code(0), 1);
}

TEST_F(ColorClassTest, eachChangeIsOneUndoStepAndLeavesTheFlag) {
  state.DataChanged = false;
  const int pos = state.HistoryPos;
  ChangeColorClass(app, 0, 0);
  EXPECT_EQ(state.HistoryPos, pos + 1);
  EXPECT_FALSE(state.DataChanged);
  UndoStep(app);
  EXPECT_EQ(Code(1), kGreen + 2);
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(ColorClassTest, yellowEraseWithoutYellowAddsNoStep) {
  ChangeColorClass(app, 2, 0);
  const int pos = state.HistoryPos;
  const BoardCodes before = state.Board;
  ChangeColorClass(app, 2, 3);
  EXPECT_EQ(state.HistoryPos, pos);
  EXPECT_EQ(state.Board, before);
}

TEST_F(ColorClassTest, outOfRangeArgumentsAreRejected) {
  const BoardCodes before = state.Board;
  EXPECT_FALSE(ChangeColorClass(app, 3, 0));
  EXPECT_FALSE(ChangeColorClass(app, 0, 4));
  EXPECT_FALSE(ChangeColorClass(app, -1, 0));
  EXPECT_EQ(state.Board, before);
}

using CellCountTest = CoreTest;

TEST_F(CellCountTest, countsBlackDigitsOnly) {
  for (int i = 0; i < 30; ++i) state.Board[static_cast<std::size_t>(i)] = 1 + i % 9;
  state.Board[30] = kGreen + 1;
  state.Board[31] = kYellow + 2;
  RedrawBoard(app);
  ShowCellCount(app);
  ASSERT_EQ(screen.messages.size(), 1u);
  const auto& m = screen.messages[0];
  EXPECT_EQ(m.text, "数字の入ったマスの数\r\n     30   /  81");
  EXPECT_EQ(m.title, "マスの数");
  EXPECT_EQ(m.buttons, MessageButtons::Ok);
  EXPECT_EQ(m.icon, MessageIcon::None);
}

TEST_F(CellCountTest, emptySixteenBoard) {
  NewPuzzle16(app);
  ShowCellCount(app);
  EXPECT_EQ(screen.messages.back().text, "数字の入ったマスの数\r\n     0   /  256");
}

TEST_F(CellCountTest, cellsBeyondTheBoardAreNotCounted) {
  state.Board[100] = 3;  // outside 9 x 9
  ShowCellCount(app);
  EXPECT_EQ(screen.messages.back().text, "数字の入ったマスの数\r\n     0   /  81");
}

}  // namespace
}  // namespace gridora::testing
