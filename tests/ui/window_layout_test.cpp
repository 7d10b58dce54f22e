// SPDX-License-Identifier: MIT
// The window as start-up leaves it: geometry, boards, panels and the status
// bar, and the screen-port requests that reach them.

#include <QFontMetrics>
#include <QPixmap>
#include <QTimer>

#include "core/slots.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/main/board_surface.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

using WindowLayoutTest = WindowTest;

QRect PixelRect(const TwipsRect& r) {
  return {Px(r.left), Px(r.top), Px(r.width), Px(r.height)};
}

TEST_F(WindowLayoutTest, startsAsAnEmptyNineByNinePuzzle) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Gridora"));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->minimumWidth(), window->maximumWidth());  // fixed width
  EXPECT_TRUE(window->Board(9)->isVisible());
  EXPECT_FALSE(window->Board(16)->isVisible());
  EXPECT_FALSE(window->Board(9)->CursorBar()->isVisible());  // mouse mode
  EXPECT_EQ(window->Board(9)->pos(), QPoint(Px(120), Px(540)));
  EXPECT_EQ(window->Board(16)->pos(), window->Board(9)->pos());
  EXPECT_EQ(window->Property(PropertyLabel::Author)->text(), QString::fromUtf8("不明"));
  EXPECT_EQ(window->Property(PropertyLabel::Date)->text(),
            QString::fromStdString(window->TodayText()));
  EXPECT_EQ(window->Property(PropertyLabel::Comment)->text(), QString::fromUtf8("(なし)"));
  EXPECT_EQ(window->Property(PropertyLabel::FileName)->text(), QString::fromUtf8("(未定)"));
  EXPECT_TRUE(window->Menu().mnuPopInput[0]->isChecked());
  EXPECT_FALSE(window->Menu().mnuPopInput[1]->isChecked());
  EXPECT_FALSE(QPixmap(QStringLiteral(":/gridora/board_texture.png")).isNull());
  // The offscreen platform cannot tell the Num Lock state: the panel is empty.
  EXPECT_TRUE(window->NumLockPanel()->text().isEmpty());
}

TEST_F(WindowLayoutTest, cellLabelsSitAtTheirDesignedPlaces) {
  CellLabel* last9 = window->Board(9)->Label(80);
  EXPECT_EQ(last9->geometry(), PixelRect({3215, 3215, 375, 375}));
  EXPECT_TRUE(last9->font().bold());
  EXPECT_EQ(last9->font().family(), QString::fromUtf8("ＭＳ Ｐゴシック"));
  CellLabel* last16 = window->Board(16)->Label(255);
  EXPECT_EQ(last16->geometry(), PixelRect({3385, 3385, 225, 225}));
  EXPECT_EQ(window->Board(9)->Label(81), nullptr);
  EXPECT_EQ(window->Board(16)->Label(256), nullptr);
}

TEST_F(WindowLayoutTest, cursorBarsFollowPlaceCursor) {
  ChooseMode(1);
  EXPECT_TRUE(window->Board(9)->CursorBar()->isVisible());
  PlaceCursor(app(), 80);
  EXPECT_EQ(window->Board(9)->CursorBar()->pos(), QPoint(Px(3240), Px(3520)));
  EXPECT_EQ(window->Board(9)->CursorBar()->size(), QSize(Px(300), Px(60)));
  window->Menu().mnuFileNew16->trigger();
  EXPECT_EQ(window->Board(16)->CursorBar()->pos(), QPoint(Px(20), Px(200)));  // cell 0
  PlaceCursor(app(), 255);
  EXPECT_EQ(window->Board(16)->CursorBar()->pos(), QPoint(Px(3395), Px(3575)));
  EXPECT_TRUE(window->Board(16)->CursorBar()->isVisible());
  EXPECT_EQ(state.CursorCell, 255);
}

TEST_F(WindowLayoutTest, newSixteenBySixteenSwitchesTheBoards) {
  SetCell(app(), 22, 5);
  state.DataChanged = false;
  window->Menu().mnuFileNew16->trigger();
  EXPECT_EQ(state.BoardSize, 16);
  EXPECT_FALSE(window->Board(9)->isVisible());
  EXPECT_TRUE(window->Board(16)->isVisible());
  // The hidden board keeps its old captions.
  EXPECT_EQ(window->Board(9)->Label(22)->text(), QStringLiteral("5"));
  EXPECT_EQ(window->Board(16)->Label(22)->text(), QString());
  SetCell(app(), 255, 16);
  EXPECT_EQ(window->Board(16)->Label(255)->text(), QStringLiteral("16"));
  answers.push_back(MessageAnswer::No);  // discard the change
  window->Menu().mnuFileNew9->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, "セーブ確認");
  EXPECT_TRUE(window->Board(9)->isVisible());
  EXPECT_FALSE(window->Board(16)->isVisible());
  EXPECT_EQ(window->Board(9)->Label(22)->text(), QString());
}

TEST_F(WindowLayoutTest, cellsShowCaptionAndColourClass) {
  state.CharacterList = "A,B,C,D,E,F,G,H,I";
  SetCell(app(), 0, 133);  // a green 5
  SetCell(app(), 1, 3);
  SetCell(app(), 2, 256 + 9);
  EXPECT_EQ(Label(0)->text(), QStringLiteral("E"));
  EXPECT_EQ(Label(0)->palette().color(QPalette::WindowText), QColor(48, 112, 80));
  EXPECT_EQ(Label(1)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  EXPECT_EQ(Label(2)->text(), QStringLiteral("I"));
  EXPECT_EQ(Label(2)->palette().color(QPalette::WindowText), QColor(128, 128, 96));
  SetCell(app(), 0, 0);
  EXPECT_EQ(Label(0)->text(), QString());
}

TEST_F(WindowLayoutTest, wideCaptionsAreNarrowedToTheirCell) {
  window->Menu().mnuFileNew16->trigger();
  SetCell(app(), 0, 16);
  SetCell(app(), 1, 7);
  CellLabel* wide = window->Board(16)->Label(0);
  const int advance = QFontMetrics(wide->font()).horizontalAdvance(wide->text());
  // Centred in the label's room, the caption ends left of pixel 13, where the
  // next column's grid line pair begins.
  EXPECT_LE((wide->contentsRect().width() + advance) / 2, 13);
  EXPECT_LT(wide->font().stretch(), 100);
  EXPECT_EQ(wide->font().pointSizeF(), 9.0);
  CellLabel* narrow = window->Board(16)->Label(1);
  EXPECT_EQ(narrow->font().stretch(), window->Board(9)->Label(0)->font().stretch());
  SetCell(app(), 0, 3);  // back to one character: the full width again
  EXPECT_EQ(wide->font().stretch(), narrow->font().stretch());
}

// Every caption of both boards is drawn wholly between the lines: no pixel
// of it lands on the frame, a box line or a grid line, and none is cut off
// at the edge of its label.
TEST(BoardCaptionTest, everyCaptionLiesWhollyBetweenTheLines) {
  for (const int size : {9, 16}) {
    BoardSurface surface(size, QPixmap(), nullptr);
    const QImage empty = surface.grab().toImage();
    const QColor background = surface.palette().color(QPalette::Window);
    for (int cell = 0; cell < size * size; ++cell) {
      const int digit = size == 16 ? 10 + cell % 7 : 1 + cell % 9;  // "10" to "16" on 16 x 16
      surface.Label(cell)->Show(QString::number(digit), Qt::black);
    }
    const QImage shown = surface.grab().toImage();
    for (int cell = 0; cell < size * size; ++cell) {
      const QRect r = surface.Label(cell)->geometry();
      int ink = 0;
      for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
          if (shown.pixel(x, y) == empty.pixel(x, y)) continue;
          ++ink;
          ASSERT_EQ(empty.pixelColor(x, y), background)
              << size << " x " << size << ": cell " << cell << " drawn over a line at " << x << ","
              << y;
          ASSERT_TRUE(x > r.left() && x < r.right() && y > r.top() && y < r.bottom())
              << size << " x " << size << ": cell " << cell << " cut at " << x << "," << y;
        }
      }
      EXPECT_GT(ink, 0) << size << " x " << size << ": cell " << cell;
    }
  }
}

TEST_F(WindowLayoutTest, fixedSizeWindowsOfferNoMaximise) {
  AboutDialog about(window->windowIcon(), window.get());
  for (QWidget* w : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(&about)}) {
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_EQ(w->minimumSize(), w->maximumSize()) << w->objectName().toStdString();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint)) << w->objectName().toStdString();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint)) << w->objectName().toStdString();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint)) << w->objectName().toStdString();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint)) << w->objectName().toStdString();
  }
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(window->isVisible());
  // Full screen or maximised by the window manager: back to normal.
  const QSize size = window->size();
  for (const Qt::WindowState grown : {Qt::WindowFullScreen, Qt::WindowMaximized}) {
    window->setWindowState(grown);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowState() == Qt::WindowNoState; }));
    EXPECT_EQ(window->size(), size);
  }
}

TEST_F(WindowLayoutTest, propertyTextsAreNeverMarkup) {
  state.PuzzleComment = "<b>太字</b> & <i>x</i>";
  RedrawBoard(app());
  EXPECT_EQ(window->Property(PropertyLabel::Comment)->text(),
            QString::fromUtf8("<b>太字</b> & <i>x</i>"));
  EXPECT_EQ(window->Property(PropertyLabel::Comment)->textFormat(), Qt::PlainText);
}

TEST_F(WindowLayoutTest, showStatusWritesOnlyChangedTexts) {
  window->ShowStatus("one");
  EXPECT_EQ(Inform(), "one");
  EXPECT_EQ(state.LastStatusText, "one");
  window->SetInformText("solver message");  // not one of the window's own tips
  window->ShowStatus("one");
  EXPECT_EQ(Inform(), "solver message");  // unchanged text: no write
  window->ShowStatus("two");
  EXPECT_EQ(Inform(), "two");
}

TEST_F(WindowLayoutTest, longMessagesNeverWidenTheWindow) {
  const QSize before = window->size();
  window->SetInformText(std::string(40, 'x') +
                        "数字の入ったマスの数が多すぎるので表示しきれません");
  window->ShowStatus(std::string(300, 'y'));
  window->Property(PropertyLabel::Date)->setText(QString(200, QLatin1Char('d')));
  QTest::qWait(20);  // let the layouts settle
  EXPECT_EQ(window->size(), before);
}

TEST_F(WindowLayoutTest, onlyTheLaunchersOwnTipsKeepItOpen) {
  LauncherPanel* launcher = window->Launcher();
  launcher->show();
  window->ShowStatus("メモリ no. 1 に現在のナンプレデータを保存");
  EXPECT_TRUE(launcher->isVisible());
  window->ShowStatus("解 no. 9 を取り出して表示する");
  EXPECT_TRUE(launcher->isVisible());
  window->ShowStatus(InputHint(InputKind::Mouse));
  EXPECT_FALSE(launcher->isVisible());
}

TEST_F(WindowLayoutTest, pointerOnTheRightOpensTheLauncher) {
  QWidget* client = window->centralWidget();
  QTest::mouseMove(client, QPoint(Px(4500), Px(4000)));
  EXPECT_TRUE(WaitFor([&] { return window->Launcher()->isVisible(); }));
  QTest::mouseMove(client, QPoint(3, 150));  // left of the board
  EXPECT_TRUE(WaitFor([&] { return !window->Launcher()->isVisible(); }));
}

TEST_F(WindowLayoutTest, hotAreaBesideThePanelOpensTheLauncher) {
  QWidget* client = window->centralWidget();
  QTest::mouseMove(client, QPoint(3, 150));
  QTest::mouseMove(client, QPoint(Px(3855), Px(2000)));  // left of x = 3870, inside lblLaunch
  EXPECT_TRUE(WaitFor([&] { return window->Launcher()->isVisible(); }));
  QTest::mouseMove(client, QPoint(Px(3855), Px(300)));  // same column, above the hot area
  EXPECT_TRUE(WaitFor([&] { return !window->Launcher()->isVisible(); }));
}

TEST_F(WindowLayoutTest, launcherButtonsStoreAndFetchSlots) {
  LauncherPanel* launcher = window->Launcher();
  EXPECT_FALSE(launcher->Button(13)->isEnabled());
  SetCell(app(), 10, 4);
  launcher->show();
  QTest::mouseClick(launcher->Button(4), Qt::LeftButton);  // store memory 5
  EXPECT_EQ(state.MemorySlot[5][10], 4);
  EXPECT_TRUE(launcher->Button(13)->isEnabled());
  EXPECT_TRUE(window->Menu().mnuDataLoad[5]->isEnabled());
  EXPECT_EQ(Inform(), "メモリ no.5 にデータを登録しました");
  SetCell(app(), 10, 0);
  QTest::mouseClick(launcher->Button(13), Qt::LeftButton);  // fetch memory 5
  EXPECT_EQ(Code(10), 4);
  EXPECT_EQ(Label(10)->text(), QStringLiteral("4"));
}

TEST_F(WindowLayoutTest, yieldRunsPendingEventsOnlyAfterTheGap) {
  int runs = 0;
  const auto post = [&] { QTimer::singleShot(0, window.get(), [&] { ++runs; }); };
  window->SetYieldGap(0);  // every call runs the event loop
  post();
  window->Yield();
  EXPECT_EQ(runs, 1);
  post();
  window->Yield();
  EXPECT_EQ(runs, 2);
  window->SetYieldGap(60 * 60 * 1000);  // the last pass was just now: calls are skipped
  post();
  for (int i = 0; i < 1000; ++i) window->Yield();
  EXPECT_EQ(runs, 2);
  EXPECT_TRUE(WaitFor([&] { return runs == 3; }));  // the event waits for the next loop
}

TEST_F(WindowLayoutTest, firstStartCentresTheWindow) {
  // A first run reads no position, so the window stays where the defaults
  // put it: in the middle of the screen (the size it has once shown may
  // differ by a pixel or two from the one it was centred with).
  const QRect screen = window->screen()->availableGeometry();
  EXPECT_NEAR(window->frameGeometry().center().x(), screen.center().x(), 3);
  EXPECT_NEAR(window->frameGeometry().center().y(), screen.center().y(), 3);
}

TEST_F(WindowLayoutTest, windowPositionInTwips) {
  window->MoveMainWindow(1500, 3000);
  EXPECT_EQ(window->pos(), QPoint(100, 200));
  EXPECT_EQ(window->MainWindowLeft(), 1500.0f);
  EXPECT_EQ(window->MainWindowTop(), 3000.0f);
  // A position that no screen shows centres the window on the primary one.
  window->MoveMainWindow(-200000, 90000);
  const QRect screen = window->screen()->availableGeometry();
  EXPECT_NEAR(window->frameGeometry().center().x(), screen.center().x(), 1);
  EXPECT_NEAR(window->frameGeometry().center().y(), screen.center().y(), 1);
}

TEST_F(WindowLayoutTest, messagesGoThroughTheAnswerer) {
  SetCell(app(), 0, 1);
  SetCell(app(), 1, 133);
  window->Menu().mnuFileCount->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, "マスの数");
  EXPECT_EQ(messages[0].text, "数字の入ったマスの数\r\n     1   /  81");
  EXPECT_EQ(messages[0].buttons, MessageButtons::Ok);
}

}  // namespace
}  // namespace gridora::ui::testing
