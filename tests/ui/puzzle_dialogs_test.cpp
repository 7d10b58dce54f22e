// SPDX-License-Identifier: MIT
// The digit exchange and puzzle properties dialogs, driven through their
// widgets over a model with a recording screen.

#include <QSet>
#include <QTest>

#include "support/core_fixture.h"
#include "ui/dialogs/property_dialog.h"
#include "ui/dialogs/swap_dialog.h"
#include "ui/main/board_geometry.h"

namespace gridora::ui::testing {
namespace {

constexpr int kGreen = 128;
constexpr int kYellow = 256;

using gridora::testing::CoreTest;

QRect TwipsToPx(int left, int top, int width, int height) {
  return {Px(left), Px(top), Px(width), Px(height)};
}

using SwapDialogTest = CoreTest;

TEST_F(SwapDialogTest, nineByNineExchangeKeepsTheColourClasses) {
  BulkSet({{0, 1}, {1, kGreen + 2}, {2, kYellow + 1}, {3, kGreen + 1}, {4, 9}});
  SwapDialog dialog(app, nullptr);
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("数字の入れ替え"));
  EXPECT_EQ(dialog.size(), QSize(Px(4788), Px(2820)));
  for (int i = 0; i < SwapDialog::kRows; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(dialog.Source(i)->text(), i < 9 ? QString::number(i + 1) : QString());
    EXPECT_EQ(dialog.Arrow(i)->text(), QString::fromUtf8("→"));
    EXPECT_EQ(dialog.Target(i)->isEnabled(), i < 9);
    EXPECT_EQ(dialog.Target(i)->count(), i < 9 ? 9 : 0);
    EXPECT_EQ(dialog.Target(i)->currentIndex(), i < 9 ? i : -1);
  }
  EXPECT_EQ(dialog.Target(12)->geometry(), TwipsToPx(3960, 120 + 360 * 2, 735, 300));
  EXPECT_EQ(dialog.Source(7)->geometry(), TwipsToPx(1680, 240 + 360 * 2, 375, 255));
  EXPECT_EQ(dialog.Arrow(3)->palette().color(QPalette::WindowText), QColor(128, 64, 0));
  EXPECT_FALSE(dialog.OkButton()->isEnabled());

  QTest::keyClick(dialog.Target(0), Qt::Key_Down);  // 1 -> 2
  EXPECT_EQ(dialog.Target(0)->currentText(), QStringLiteral("2"));
  EXPECT_EQ(dialog.Target(1)->currentText(), QStringLiteral("1"));
  EXPECT_TRUE(dialog.OkButton()->isEnabled());
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Code(0), 2);
  EXPECT_EQ(Code(1), kGreen + 1);
  EXPECT_EQ(Code(2), kYellow + 2);
  EXPECT_EQ(Code(3), kGreen + 2);
  EXPECT_EQ(Code(4), 9);
  EXPECT_EQ(Code(5), 0);
  EXPECT_TRUE(state.DataChanged);
  EXPECT_EQ(screen.Cell(9, 1).caption, "1");
}

TEST_F(SwapDialogTest, sixteenBySixteenExchangeOfThreeAndSixteen) {
  NewPuzzle16(app);
  BulkSet({{0, 3}, {1, 16}, {2, kGreen + 3}, {255, 4}});
  SwapDialog dialog(app, nullptr);
  for (int i = 0; i < SwapDialog::kRows; ++i) EXPECT_TRUE(dialog.Target(i)->isEnabled()) << i;
  EXPECT_EQ(dialog.Source(15)->text(), QStringLiteral("16"));
  QTest::keyClick(dialog.Target(2), Qt::Key_End);  // 3 -> 16
  EXPECT_EQ(dialog.Target(2)->currentText(), QStringLiteral("16"));
  EXPECT_EQ(dialog.Target(15)->currentText(), QStringLiteral("3"));
  // Every list still names a different target.
  QSet<int> targets;
  for (int i = 0; i < 16; ++i) targets.insert(dialog.Target(i)->currentIndex());
  EXPECT_EQ(targets.size(), 16);
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(Code(0), 16);
  EXPECT_EQ(Code(1), 3);
  EXPECT_EQ(Code(2), kGreen + 16);
  EXPECT_EQ(Code(255), 4);
}

TEST_F(SwapDialogTest, lettersCancelAndHelp) {
  state.CharacterList = "A,B,C,D,E,F,G,H,I";
  BulkSet({{0, 1}});
  state.DataChanged = false;
  SwapDialog dialog(app, nullptr);
  int helps = 0;
  dialog.SetHelpAction([&] { ++helps; });
  EXPECT_EQ(dialog.Source(2)->text(), QStringLiteral("C"));
  EXPECT_EQ(dialog.Target(8)->itemText(0), QStringLiteral("A"));
  QTest::keyClick(dialog.Target(0), Qt::Key_End);  // A -> I, so I -> A
  EXPECT_EQ(dialog.Target(8)->currentText(), QStringLiteral("A"));
  QTest::keyClick(dialog.Target(0), Qt::Key_Home);  // and back: Ok stays enabled
  EXPECT_EQ(dialog.Target(8)->currentText(), QStringLiteral("I"));
  EXPECT_TRUE(dialog.OkButton()->isEnabled());
  QTest::mouseClick(dialog.HelpButton(), Qt::LeftButton);
  EXPECT_EQ(helps, 1);
  EXPECT_EQ(dialog.result(), 0);  // still open
  QTest::keyClick(dialog.Target(0), Qt::Key_End);
  QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(Code(0), 1);
  EXPECT_FALSE(state.DataChanged);
}

using PropertyDialogTest = CoreTest;

TEST_F(PropertyDialogTest, okStoresTheFourTextsAndRedraws) {
  BulkSet({{0, 1}, {10, kGreen + 2}});
  state.DataChanged = false;
  PropertyDialog dialog(app, nullptr);
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("問題のプロパティ"));
  EXPECT_EQ(dialog.size(), QSize(Px(3924), Px(2832)));
  EXPECT_EQ(dialog.Author()->text().toStdString(), state.PuzzleAuthor);
  EXPECT_EQ(dialog.Date()->text().toStdString(), state.PuzzleDate);
  EXPECT_EQ(dialog.Comment()->text(), QString::fromUtf8("(なし)"));
  EXPECT_EQ(dialog.Characters()->text(), QStringLiteral("1,2,3,4,5,6,7,8,9"));
  EXPECT_TRUE(dialog.OkButton()->isEnabled());  // filling the boxes counts as a change
  EXPECT_EQ(dialog.Characters()->parentWidget()->geometry(), TwipsToPx(120, 1560, 3735, 615));
  EXPECT_EQ(dialog.Characters()->geometry(), TwipsToPx(120, 240, 3495, 270));
  EXPECT_TRUE(dialog.CancelButton()->isDefault());

  dialog.Comment()->selectAll();
  dialog.Comment()->insert(QString::fromUtf8("難問"));  // as an input method commits it
  dialog.Characters()->selectAll();
  QTest::keyClicks(dialog.Characters(), QStringLiteral("A,B,C,D,E,F,G,H,I"));
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(state.PuzzleComment, "難問");
  EXPECT_EQ(state.CharacterList, "A,B,C,D,E,F,G,H,I");
  EXPECT_EQ(screen.Cell(9, 0).caption, "A");
  EXPECT_EQ(screen.Cell(9, 10).caption, "B");
  EXPECT_EQ(screen.Property(PropertyLabel::Comment), "難問");
  EXPECT_TRUE(state.DataChanged);
}

TEST_F(PropertyDialogTest, sevenCommasAreRefusedAndTheDialogStaysOpen) {
  state.DataChanged = false;
  PropertyDialog dialog(app, nullptr);
  dialog.Author()->setText(QStringLiteral("someone"));
  dialog.Characters()->setText(QStringLiteral("1,2,3,4,5,6,7,8"));
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text, "キャラクターの書き方がおかしいです");
  EXPECT_EQ(screen.messages[0].title, "変更不可能");
  EXPECT_EQ(dialog.result(), 0);
  EXPECT_NE(state.PuzzleAuthor, "someone");
  EXPECT_EQ(state.CharacterList, "1,2,3,4,5,6,7,8,9");
  EXPECT_FALSE(state.DataChanged);
}

TEST_F(PropertyDialogTest, enterInATextBoxAndEscapeCancel) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    PropertyDialog dialog(app, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.Comment()->setFocus();
    dialog.Comment()->setText(QStringLiteral("changed"));
    QTest::keyClick(dialog.Comment(), key);
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << key;
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(state.PuzzleComment, "(なし)");
  }
  EXPECT_FALSE(state.DataChanged);
}

}  // namespace
}  // namespace gridora::ui::testing
