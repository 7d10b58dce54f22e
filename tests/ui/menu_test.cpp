// SPDX-License-Identifier: MIT
// The menu bar: captions, shortcuts, enabled states and the commands behind
// the items.

#include <QMenuBar>

#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

using MenuTest = WindowTest;

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

TEST_F(MenuTest, barCaptionsInOrder) {
  QStringList captions;
  for (QAction* action : window->menuBar()->actions()) captions << action->text();
  // The added commands' menu (the zoom lives there) appears once, between
  // the data and other menus.
  EXPECT_EQ(captions, (QStringList{Text("ファイル(&F)"), Text("編集(&E)"), Text("データ(&D)"),
                                   Text("ツール(&T)"), Text("その他(&O)")}));
  QMenu* tools = window->ToolsMenu();
  EXPECT_EQ(window->ToolsMenu(), tools);
  captions.clear();
  for (QAction* action : window->menuBar()->actions()) captions << action->text();
  EXPECT_EQ(captions, (QStringList{Text("ファイル(&F)"), Text("編集(&E)"), Text("データ(&D)"),
                                   Text("ツール(&T)"), Text("その他(&O)")}));
}

TEST_F(MenuTest, itemsCarryTheirShortcuts) {
  const MainMenu& m = window->Menu();
  EXPECT_EQ(m.mnuFileNew9->text(), Text("新規作成-9(&N)"));
  EXPECT_EQ(m.mnuFileNew9->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
  EXPECT_EQ(m.mnuFileNew16->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
  EXPECT_EQ(m.mnuFileOpen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(m.mnuFileSaveOver->text(), Text("上書き保存(&S)"));
  EXPECT_EQ(m.mnuFileSaveOver->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_EQ(m.mnuFileSave->text(), Text("名前をつけて保存...(&A)"));
  EXPECT_EQ(m.mnuEditSolve->text(), Text("解く(&S)"));
  EXPECT_EQ(m.mnuEditSolve->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(m.mnuEditUndo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(m.mnuEditRedo->text(), Text("やり直しのやり直し(&R)"));
  EXPECT_EQ(m.mnuEditRedo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
  EXPECT_EQ(m.mnuOtherHelp->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(m.mnuOtherVersion->text(), Text("バージョン情報...(&A)"));
  EXPECT_EQ(m.mnuFileQuit->text(), Text("終了(&E)"));
  EXPECT_FALSE(m.mnuFileCG->isVisible());
}

TEST_F(MenuTest, colourSubmenusGreyTheNoOpItems) {
  const MainMenu& m = window->Menu();
  EXPECT_EQ(m.mnuEditColor->title(), Text("文字色の変更(&C)"));
  EXPECT_EQ(m.colorGroups[1]->title(), Text("緑文字(&G)"));
  EXPECT_EQ(m.colorItems[1][1]->text(), Text("緑に変換(&G)"));
  EXPECT_FALSE(m.colorItems[1][1]->isEnabled());
  EXPECT_FALSE(m.colorItems[2][2]->isEnabled());
  for (std::size_t g = 0; g < 3; ++g)
    for (std::size_t op = 0; op < 4; ++op)
      EXPECT_EQ(m.colorItems[g][op]->isEnabled(), !(g == op && g > 0)) << g << op;
}

TEST_F(MenuTest, colourItemsRunTheColourOperation) {
  Put(0, 133);
  Put(1, 256 + 2);
  Put(2, 3);
  RedrawBoard(app());
  window->Menu().colorItems[1][2]->trigger();  // green to yellow
  EXPECT_EQ(Code(0), 256 + 5);
  EXPECT_EQ(Code(1), 256 + 2);
  EXPECT_EQ(Code(2), 3);
  window->Menu().colorItems[0][3]->trigger();  // green and yellow: erase
  EXPECT_EQ(Code(0), 0);
  EXPECT_EQ(Code(1), 0);
  EXPECT_EQ(Label(2)->text(), QStringLiteral("3"));
}

TEST_F(MenuTest, slotMenusFollowTheirSlots) {
  const MainMenu& m = window->Menu();
  EXPECT_FALSE(m.mnuDataLoad[7]->isVisible());
  for (std::size_t n = 1; n <= 9; ++n) {
    EXPECT_FALSE(m.mnuDataAnswer[n]->isEnabled()) << n;
    EXPECT_FALSE(m.mnuDataLoad[n]->isEnabled()) << n;
    EXPECT_TRUE(m.mnuDataSave[n]->isEnabled()) << n;
    EXPECT_EQ(m.mnuDataSave[n]->text(), QStringLiteral("(&%1)").arg(n));
  }
  Put(0, 4);
  Put(1, 5);
  RedrawBoard(app());
  m.mnuDataSave[3]->trigger();
  EXPECT_TRUE(m.mnuDataLoad[3]->isEnabled());
  EXPECT_TRUE(window->Launcher()->Button(11)->isEnabled());
  window->Menu().mnuEditUndo->trigger();
  EXPECT_EQ(Code(0), 0);
  m.mnuDataLoad[3]->trigger();
  EXPECT_EQ(Code(1), 5);
  EXPECT_EQ(Inform(), "メモリ no.3 からデータを取り出しました");
  // A new puzzle disables the fetch items again.
  m.mnuFileNew9->trigger();
  EXPECT_FALSE(m.mnuDataLoad[3]->isEnabled());
  EXPECT_FALSE(window->Launcher()->Button(11)->isEnabled());
}

TEST_F(MenuTest, inputMethodItemsMoveTheCheckMark) {
  const MainMenu& m = window->Menu();
  EXPECT_EQ(m.mnuPopInputTop->title(), Text("文字の入力方法(&I)"));
  state.CursorCell = 33;
  m.mnuPopInput[1]->trigger();
  EXPECT_EQ(state.settings.InputMode, InputKind::Keypad);
  EXPECT_TRUE(m.mnuPopInput[1]->isChecked());
  EXPECT_FALSE(m.mnuPopInput[0]->isChecked());
  EXPECT_TRUE(window->Board(9)->CursorBar()->isVisible());
  EXPECT_FALSE(window->Board(16)->CursorBar()->isHidden());  // on the hidden board
  EXPECT_EQ(window->Board(9)->CursorBar()->pos(), QPoint(Px(6 * 400 + 40), Px(3 * 400 + 320)));
  m.mnuPopInput[1]->trigger();  // choosing the checked item keeps its mark
  EXPECT_TRUE(m.mnuPopInput[1]->isChecked());
  m.mnuPopInput[2]->trigger();
  EXPECT_EQ(state.settings.InputMode, InputKind::PopupList);
  EXPECT_TRUE(m.mnuPopInput[2]->isChecked());
  EXPECT_FALSE(m.mnuPopInput[1]->isChecked());
  EXPECT_FALSE(window->Board(9)->CursorBar()->isVisible());
  EXPECT_EQ(window->Toolbar()->HotButton(), ToolbarStrip::kHotCleared);
}

TEST_F(MenuTest, undoAndRedoKeys) {
  Put(0, 1);
  Put(1, 2);
  RedrawBoard(app());
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Code(0), 0);
  EXPECT_EQ(Label(0)->text(), QString());
  Key(Qt::Key_Z, Qt::ControlModifier);  // nothing left to undo
  EXPECT_EQ(state.HistoryPos, 0);
  Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Code(0), 1);
  EXPECT_EQ(Label(1)->text(), QStringLiteral("2"));
}

TEST_F(MenuTest, newPuzzleKeys) {
  Key(Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(state.BoardSize, 16);
  EXPECT_TRUE(window->Board(16)->isVisible());
  Key(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(state.BoardSize, 9);
}

}  // namespace
}  // namespace gridora::ui::testing
