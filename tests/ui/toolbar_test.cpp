// SPDX-License-Identifier: MIT
// The toolbar strip: hit ranges, tips, highlighting, and what a click runs.

#include "core/startup.h"
#include "ui/main/toolbar_rules.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

class ToolbarTest : public WindowTest {
 protected:
  ToolbarStrip* strip() const { return window->Toolbar(); }
  static int Index(CommandId key) {
    for (int i = 0; i < kToolbarButtons; ++i)
      if (kToolbar[static_cast<std::size_t>(i)].command == key) return i;
    return -1;
  }
  QPoint On(CommandId key) const {
    const ToolbarButton& e = kToolbar[static_cast<std::size_t>(Index(key))];
    return {(e.left + e.right) / 2, 12};
  }
  // Whether the strip shows `row` (0 normal, 1 raised, 2 pressed) of the
  // source over the pixel range of `key`.
  bool Shows(CommandId key, int row) const {
    const ToolbarButton& e = kToolbar[static_cast<std::size_t>(Index(key))];
    const QRect range(e.left, 0, e.right - e.left + 1, 24);
    return strip()->Shown().copy(range) == strip()->Source().copy(range.translated(0, 24 * row));
  }
  bool AllNormal() const {
    return strip()->Shown().copy(0, 0, 350, 24) == strip()->Source().copy(0, 0, 350, 24);
  }
};

TEST(ToolbarRulesTest, hitRangesAndGaps) {
  EXPECT_EQ(kToolbar[8].command, CommandId::InputMenu);
  EXPECT_EQ(kToolbar[8].left, 233);
  EXPECT_EQ(kToolbar[10].right, 325);
  EXPECT_EQ(ToolbarHit(8), -1);
  EXPECT_EQ(ToolbarHit(9), 0);
  EXPECT_EQ(ToolbarHit(34), 0);
  EXPECT_EQ(ToolbarHit(35), -1);
  EXPECT_EQ(ToolbarHit(36), 1);
  EXPECT_EQ(ToolbarHit(150), -1);
  EXPECT_EQ(ToolbarHit(264), 8);
  EXPECT_EQ(ToolbarHit(265), 9);
  EXPECT_EQ(ToolbarHit(325), 10);
  EXPECT_EQ(ToolbarHit(326), -1);
}

TEST(ToolbarRulesTest, tipsAndDisabledButtons) {
  AppState state;
  InitTables(state);
  EXPECT_TRUE(ToolbarButtonDisabled(state, 6));  // undo at position 0
  EXPECT_TRUE(ToolbarButtonDisabled(state, 7));  // redo at the top
  EXPECT_FALSE(ToolbarButtonDisabled(state, 5));
  EXPECT_EQ(ToolbarTip(state, CommandId::Undo), "やり直し：　(これ以上は戻せません)");
  state.HistoryPos = 1;
  state.HistoryTop = 2;
  EXPECT_FALSE(ToolbarButtonDisabled(state, 6));
  EXPECT_FALSE(ToolbarButtonDisabled(state, 7));
  EXPECT_EQ(ToolbarTip(state, CommandId::Undo), "やり直し：　一つ前の状態に戻します");
  EXPECT_EQ(ToolbarTip(state, CommandId::Redo), "やり直しのやり直し：　一つ後の状態に戻します");
  EXPECT_EQ(ToolbarTip(state, CommandId::NewPuzzle9),
            "新規作成-9：　新しいナンプレを作ります (9x9)");
  EXPECT_EQ(ToolbarTip(state, CommandId::Quit), "");
  EXPECT_EQ(ToolbarToolTip(ToolbarTip(state, CommandId::NewPuzzle9)), "新規作成-9");
  EXPECT_EQ(ColorDistance(Rgb(66, 0, 66), Rgb(70, 10, 60)), 20);
}

TEST_F(ToolbarTest, startUpShowsTheNormalImagesInTheDesktopsColours) {
  EXPECT_TRUE(strip()->isVisible());
  EXPECT_EQ(strip()->pos(), QPoint(0, Px(45)));
  EXPECT_TRUE(AllNormal());
  // No key colour is left: face, shadow and highlight are the palette's.
  const QImage& source = strip()->Source();
  for (int y = 0; y < source.height(); ++y)
    for (int x = 0; x < source.width(); ++x)
      ASSERT_NE(QColor(source.pixel(x, y)), QColor(255, 0, 255)) << x << "," << y;
  const QPalette& colours = window->palette();
  EXPECT_EQ(source.pixel(0, 0), colours.color(QPalette::Button).rgb());
  const ToolbarButton& first = kToolbar[0];
  EXPECT_EQ(source.pixel(first.left, 24), colours.color(QPalette::Light).rgb());
  EXPECT_EQ(source.pixel(first.right, 24 + 23), colours.color(QPalette::Dark).rgb());
}

TEST_F(ToolbarTest, hoverRaisesAButtonAndShowsItsTip) {
  QTest::mouseMove(strip(), QPoint(35, 12));  // between new9 and new16
  EXPECT_TRUE(AllNormal());
  EXPECT_EQ(Inform(), "");
  QTest::mouseMove(strip(), On(CommandId::NewPuzzle16));
  EXPECT_TRUE(Shows(CommandId::NewPuzzle16, 1));
  EXPECT_EQ(Inform(), "新規作成-16：　新しいナンプレを作ります (16x16)");
  EXPECT_EQ(strip()->toolTip(), QString::fromUtf8("新規作成-16"));
  EXPECT_EQ(strip()->HotButton(), Index(CommandId::NewPuzzle16));
  // Onto the window background, left of the board: the normal images again.
  QTest::mouseMove(window->centralWidget(), QPoint(3, 150));
  EXPECT_TRUE(AllNormal());
  EXPECT_EQ(strip()->HotButton(), ToolbarStrip::kHotCleared);
}

TEST_F(ToolbarTest, sameButtonLightsAgainAfterTheGapBesideIt) {
  for (const QPoint gap : {QPoint(35, 12), QPoint(147, 12), QPoint(4, 12)}) {
    QTest::mouseMove(strip(), On(CommandId::NewPuzzle9));
    ASSERT_TRUE(Shows(CommandId::NewPuzzle9, 1));
    QTest::mouseMove(strip(), gap);
    EXPECT_TRUE(AllNormal()) << gap.x();
    QTest::mouseMove(strip(), On(CommandId::NewPuzzle9));
    EXPECT_TRUE(Shows(CommandId::NewPuzzle9, 1)) << gap.x();
    EXPECT_EQ(strip()->toolTip(), QString::fromUtf8("新規作成-9"));
  }
  // A click after coming back runs the button's command.
  QTest::mouseMove(strip(), On(CommandId::NewPuzzle16));
  QTest::mouseMove(strip(), QPoint(35, 12));
  QTest::mouseMove(strip(), On(CommandId::NewPuzzle16));
  QTest::mouseClick(strip(), Qt::LeftButton, {}, On(CommandId::NewPuzzle16));
  EXPECT_EQ(state.BoardSize, 16);
}

TEST_F(ToolbarTest, undoRightAfterANewPuzzleIsNotHighlighted) {
  QTest::mouseMove(strip(), On(CommandId::Undo));
  EXPECT_EQ(Inform(), "やり直し：　(これ以上は戻せません)");
  EXPECT_EQ(strip()->toolTip(), QString::fromUtf8("やり直し"));
  EXPECT_TRUE(AllNormal());
  SetCell(app(), 0, 4);
  QTest::mouseClick(strip(), Qt::LeftButton, {}, On(CommandId::Undo));
  EXPECT_EQ(Code(0), 4);  // nothing to undo: the click changes nothing
}

TEST_F(ToolbarTest, dragFromOneButtonToAnotherRunsNothing) {
  QTest::mouseMove(strip(), On(CommandId::OpenPuzzle));
  QTest::mousePress(strip(), Qt::LeftButton, {}, On(CommandId::OpenPuzzle));
  EXPECT_TRUE(Shows(CommandId::OpenPuzzle, 2));
  QTest::mouseMove(strip(), On(CommandId::SavePuzzle));
  EXPECT_TRUE(AllNormal());
  QTest::mouseMove(strip(), On(CommandId::OpenPuzzle));  // coming back does not re-arm it
  EXPECT_TRUE(AllNormal());
  QTest::mouseRelease(strip(), Qt::LeftButton, {}, On(CommandId::SavePuzzle));
  EXPECT_TRUE(dialogs.empty());
  EXPECT_TRUE(AllNormal());
}

TEST_F(ToolbarTest, inputButtonOpensTheMenuOnThePress) {
  const MainMenu& m = window->Menu();
  popupChoice = [&](QMenu& menu) -> QAction* {
    EXPECT_EQ(&menu, m.mnuPopInputTop);
    EXPECT_EQ(strip()->HotButton(), Index(CommandId::InputMenu));  // still pressed
    return m.mnuPopInput[1];
  };
  QTest::mousePress(strip(), Qt::LeftButton, {}, On(CommandId::InputMenu));
  ASSERT_EQ(popupPlaces.size(), 1u);
  EXPECT_EQ(popupPlaces[0], window->centralWidget()->mapToGlobal(QPoint(Px(3480), Px(360))));
  EXPECT_EQ(state.settings.InputMode, InputKind::Keypad);
  EXPECT_TRUE(m.mnuPopInput[1]->isChecked());
  EXPECT_FALSE(m.mnuPopInput[0]->isChecked());
}

TEST_F(ToolbarTest, clicksRunTheirCommands) {
  QTest::mouseClick(strip(), Qt::LeftButton, {}, On(CommandId::NewPuzzle16));
  EXPECT_EQ(state.BoardSize, 16);
  EXPECT_TRUE(window->Board(16)->isVisible());
  EXPECT_TRUE(AllNormal());
  EXPECT_EQ(strip()->HotButton(), ToolbarStrip::kHotCleared);
  QTest::mouseClick(strip(), Qt::LeftButton, {}, On(CommandId::NewPuzzle9));
  EXPECT_EQ(state.BoardSize, 9);
  Put(1, 5);
  Put(2, 6);
  RedrawBoard(app());
  QTest::mouseClick(strip(), Qt::LeftButton, {}, On(CommandId::Undo));
  EXPECT_EQ(Code(1), 0);
  QTest::mouseClick(strip(), Qt::LeftButton, {}, On(CommandId::Redo));
  EXPECT_EQ(Code(1), 5);
  // The first 17-clue puzzle of tests/data/puzzles/9x9_17_clue.txt.
  const std::string puzzle =
      ".................1.....2.3......3.2...1.4......5....6..3......4.7..8...962...7...";
  for (std::size_t i = 0; i < puzzle.size(); ++i)
    Put(static_cast<int>(i), puzzle[i] == '.' ? 0 : puzzle[i] - '0');
  RedrawBoard(app());
  QTest::mouseClick(strip(), Qt::LeftButton, {}, On(CommandId::Solve));
  EXPECT_EQ(Inform(), "成功！");
}

TEST_F(ToolbarTest, pointerOnTheToolbarClosesTheLauncher) {
  window->Launcher()->show();
  QTest::mouseMove(strip(), QPoint(147, 12));  // between printer and solve
  EXPECT_FALSE(window->Launcher()->isVisible());
}

}  // namespace
}  // namespace gridora::ui::testing
