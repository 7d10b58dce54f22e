// SPDX-License-Identifier: MIT
#include "core/print_board.h"

#include <gtest/gtest.h>

#include "support/core_fixture.h"

namespace gridora {
namespace {

class PrintBoardTest : public testing::CoreTest {};

TEST_F(PrintBoardTest, answersAndPrinterDecideWhatHappens) {
  struct Case {
    const char* name;
    MessageAnswer answer;
    bool printerWorks;
    int prints;
    const char* status;        // the inform panel afterwards
    const char* failureTitle;  // a second box, or nullptr
  };
  const Case cases[] = {
      {"cancel prints nothing", MessageAnswer::Cancel, true, 0, "前の表示", nullptr},
      {"ok prints and reports", MessageAnswer::Ok, true, 1, "画面を印刷しました", nullptr},
      {"no printer: a box, the panel unchanged", MessageAnswer::Ok, false, 1, "前の表示",
       "印刷失敗"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingScreen screen;
    App app{state, screen};
    BulkSet({{0, 5}, {1, MakeCode(3, kClassGreen)}});
    state.DataChanged = true;
    const AppState before = state;
    screen.SetInformText("前の表示");
    screen.scriptedAnswers = {c.answer};
    screen.printerWorks = c.printerWorks;

    PrintBoard(app);

    ASSERT_GE(screen.messages.size(), 1u);
    EXPECT_EQ(screen.messages[0].text, "今すぐ印刷してよろしいですか？");
    EXPECT_EQ(screen.messages[0].title, "確認");
    EXPECT_EQ(screen.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(screen.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(screen.printCount, c.prints);
    EXPECT_EQ(screen.informText, c.status);
    if (c.failureTitle != nullptr) {
      ASSERT_EQ(screen.messages.size(), 2u);
      EXPECT_EQ(screen.messages[1].title, c.failureTitle);
      EXPECT_EQ(screen.messages[1].text,
                "プリンタを使用できませんでした。\r\n通常使うプリンタの設定を確認してください。");
      EXPECT_EQ(screen.messages[1].buttons, MessageButtons::Ok);
      EXPECT_EQ(screen.messages[1].icon, MessageIcon::Information);
    } else {
      EXPECT_EQ(screen.messages.size(), 1u);
    }
    // Printing never touches the puzzle.
    EXPECT_EQ(state.Board, before.Board);
    EXPECT_EQ(state.DataChanged, before.DataChanged);
    EXPECT_EQ(state.PuzzleFileName, before.PuzzleFileName);
    EXPECT_EQ(state.History, before.History);
    EXPECT_EQ(state.HistoryPos, before.HistoryPos);
    EXPECT_EQ(state.HistoryTop, before.HistoryTop);
  }
}

}  // namespace
}  // namespace gridora
