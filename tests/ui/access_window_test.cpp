// SPDX-License-Identifier: MIT
// The window as assistive technology sees it (Qt's accessibility
// interfaces, read in the process), and the high-contrast look.

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <set>
#include <vector>

#include "core/board.h"
#include "core/history.h"
#include "ui/main/cell_label.h"
#include "ui/main/launcher_panel.h"
#include "ui/main/play_mode.h"
#include "ui/main/toolbar_strip.h"
#include "ui/main/window_access.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

struct Heard {
  QAccessible::Event type;
  QString name;  // of the object, when the event was raised
};
std::vector<Heard> heard;  // filled by Listen while a test listens

// Turns the accessibility of the platform on or off, as the desktop's bus
// does when a screen reader starts or ends.
void SetListening(bool on) {
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on);
}

void Listen(QAccessibleEvent* event) {
  QAccessibleInterface* target = event->accessibleInterface();
  heard.push_back({event->type(), target ? target->text(QAccessible::Name) : QString()});
}

class AccessWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // "530070000 / 600195000 / ..." with a solver's 4 beside the first two.
    const char* rows[] = {"530070000", "600195000", "098000060"};
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 9; ++c) Put(r * 9 + c, rows[r][c] - '0');
    Put(2, MakeCode(4, kClassGreen));
    RedrawBoard(app());
    QCoreApplication::processEvents();
  }
  void TearDown() override {
    QAccessible::installUpdateHandler(nullptr);
    SetListening(false);
    heard.clear();
    WindowTest::TearDown();
  }
  static QAccessibleInterface* Of(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
  }
  // The tables under the window, depth first.
  static void Tables(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& found) {
    if (node->role() == QAccessible::Table) found.push_back(node);
    for (int i = 0; i < node->childCount(); ++i) Tables(node->child(i), found);
  }
  std::vector<QAccessibleInterface*> Tables() {
    std::vector<QAccessibleInterface*> found;
    Tables(Of(window.get()), found);
    return found;
  }
  std::vector<QString> Names(QAccessible::Event type) const {
    std::vector<QString> names;
    for (const Heard& h : heard)
      if (h.type == type) names.push_back(h.name);
    return names;
  }
};

TEST_F(AccessWindowTest, theBoardShownIsOneTableOfNamedCells) {
  std::vector<QAccessibleInterface*> tables = Tables();
  ASSERT_EQ(tables.size(), 1u);
  QAccessibleInterface* table = tables[0];
  EXPECT_EQ(table->text(QAccessible::Name), QString::fromUtf8("盤面 9×9"));
  ASSERT_EQ(table->childCount(), 81);
  QAccessibleTableInterface* grid = table->tableInterface();
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->rowCount(), 9);
  EXPECT_EQ(grid->cellAt(1, 4), table->child(13));
  EXPECT_EQ(table->indexOfChild(table->child(13)), 13);
  const std::pair<int, const char*> names[] = {
      {0, "1行1列 5 問題の数字"},  {2, "1行3列 4 解答の数字"}, {3, "1行4列 空き"},
      {13, "2行5列 9 問題の数字"}, {80, "9行9列 空き"},
  };
  for (const auto& [cell, name] : names) {
    QAccessibleInterface* c = table->child(cell);
    EXPECT_EQ(c->role(), QAccessible::Cell);
    EXPECT_EQ(c->text(QAccessible::Name), QString::fromUtf8(name)) << cell;
    EXPECT_EQ(c->tableCellInterface()->rowIndex(), cell / 9);
    EXPECT_EQ(c->tableCellInterface()->columnIndex(), cell % 9);
  }
  // Candidates, once shown, are the empty cells' description.
  window->Menu().mnuToolsCandidates->trigger();
  EXPECT_EQ(table->child(3)->text(QAccessible::Description), QString::fromUtf8("候補：2 6 8"));
  EXPECT_EQ(table->child(0)->text(QAccessible::Description), QString());

  // A new 16 x 16 puzzle: the 16 x 16 table takes the place of the other.
  NewPuzzle16(app());
  QCoreApplication::processEvents();
  tables = Tables();
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(tables[0]->childCount(), 256);
  EXPECT_EQ(tables[0]->child(255)->text(QAccessible::Name), QString::fromUtf8("16行16列 空き"));
}

TEST_F(AccessWindowTest, toolbarLauncherAndPanelAreNamed) {
  QAccessibleInterface* toolbar = Of(window->Toolbar());
  EXPECT_EQ(toolbar->role(), QAccessible::ToolBar);
  ASSERT_EQ(toolbar->childCount(), 11);
  QStringList names;
  for (int i = 0; i < 11; ++i) names << toolbar->child(i)->text(QAccessible::Name);
  EXPECT_EQ(names.join(QLatin1Char('|')),
            QString::fromUtf8("新規作成-9|新規作成-16|開く|保存|印刷|解く|やり直し|"
                              "やり直しのやり直し|入力方法|プロパティ|ヘルプ"));
  QAccessibleInterface* redo = toolbar->child(7);
  EXPECT_EQ(redo->text(QAccessible::Description),
            QString::fromUtf8("やり直しのやり直し：　(これ以上は戻せません)"));
  EXPECT_TRUE(redo->state().disabled);
  EXPECT_FALSE(toolbar->child(6)->state().disabled);
  EXPECT_EQ(toolbar->indexOfChild(redo), 7);
  // Pressed through its action, a button runs its command.
  toolbar->child(9)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(dialogs, std::vector<QString>{QStringLiteral("frmProperty")});

  for (int k = 0; k < 27; ++k) {
    QAccessibleInterface* button = Of(window->Launcher()->Button(k));
    EXPECT_FALSE(button->text(QAccessible::Name).isEmpty()) << k;
  }
  EXPECT_EQ(Of(window->Launcher()->Button(26))->text(QAccessible::Name),
            QString::fromUtf8("解 no. 9 を取り出して表示する"));

  // Each heading of the panel labels its value.
  QAccessibleInterface* author = Of(window->Property(PropertyLabel::Author));
  const auto labelled = author->relations(QAccessible::Label);
  ASSERT_EQ(labelled.size(), 1);
  EXPECT_EQ(labelled[0].first->text(QAccessible::Name), QString::fromUtf8("<作者>"));
}

TEST_F(AccessWindowTest, focusFollowsTheCursorAndEveryChangeIsHeard) {
  QAccessible::installUpdateHandler(Listen);
  SetListening(true);
  ChooseMode(1);
  PlaceCursor(app(), 0);
  QCoreApplication::processEvents();
  heard.clear();
  for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}) {
    Key(key);
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(Names(QAccessible::Focus),
            (std::vector<QString>{
                QString::fromUtf8("1行2列 3 問題の数字"), QString::fromUtf8("1行3列 4 解答の数字"),
                QString::fromUtf8("2行3列 空き"), QString::fromUtf8("2行2列 空き")}));
  QAccessibleInterface* cell = Of(Label(10));
  EXPECT_TRUE(cell->state().focused);
  EXPECT_FALSE(Of(Label(11))->state().focused);

  // A digit typed: the cell's new name, and the focus on the next cell.
  heard.clear();
  Key(Qt::Key_2);
  QCoreApplication::processEvents();
  const std::vector<QString> renamed = Names(QAccessible::NameChanged);
  ASSERT_FALSE(renamed.empty());
  EXPECT_EQ(std::set<QString>(renamed.begin(), renamed.end()),
            std::set<QString>{QString::fromUtf8("2行2列 2 問題の数字")});
  EXPECT_EQ(Names(QAccessible::Focus), (std::vector<QString>{QString::fromUtf8("2行3列 空き")}));

  // The status texts come as notifications.
  heard.clear();
  window->ShowStatus("問題をコピーしました");
  window->ShowStatus("問題をコピーしました");  // unchanged: said once
  int shown = 0;
  for (const Heard& h : heard)
    if (h.type == QAccessible::ObjectShow && h.name == QString::fromUtf8("問題をコピーしました"))
      ++shown;
  EXPECT_EQ(shown, 1);
}

// The look is off by default; on, the board is black with white and
// yellow digits in their own weights; off again, every pixel is as before.
TEST_F(AccessWindowTest, highContrastLookAndBack) {
  EXPECT_FALSE(state.settings.Tools.HighContrast);
  const auto shot = [&] {
    QCoreApplication::processEvents();
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  };
  const QImage before = shot();
  window->Menu().mnuToolsHighContrast->trigger();
  EXPECT_TRUE(state.settings.Tools.HighContrast);
  EXPECT_TRUE(window->Menu().mnuToolsHighContrast->isChecked());
  const QImage contrast = shot();
  EXPECT_NE(contrast, before);
  BoardSurface* board = window->Board(9);
  const QPoint empty = board->mapTo(window.get(), Label(80)->geometry().center());
  EXPECT_EQ(contrast.pixelColor(empty), QColor(0, 0, 0));
  EXPECT_TRUE(board->Marks().highContrast);
  EXPECT_EQ(Label(0)->palette().color(QPalette::WindowText), QColor(255, 255, 255));
  EXPECT_TRUE(Label(0)->font().bold());
  EXPECT_EQ(Label(2)->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  EXPECT_FALSE(Label(2)->font().bold());
  EXPECT_EQ(window->Property(PropertyLabel::Author)->palette().color(QPalette::Window),
            QColor(0, 0, 0));

  window->Menu().mnuToolsHighContrast->trigger();
  EXPECT_FALSE(state.settings.Tools.HighContrast);
  EXPECT_EQ(shot(), before);

  // Following the desktop, the look is the desktop's (off here) and the
  // own switch waits.
  window->Menu().mnuToolsHighContrastDesktop->trigger();
  EXPECT_FALSE(window->Menu().mnuToolsHighContrast->isEnabled());
  EXPECT_FALSE(window->Access().HighContrastShown());
}

// A game: givens, the player's digits and notes are told apart, heard as
// they change and drawn apart in the high-contrast look; the note list has
// its key; the end of the game is heard too.
TEST_F(AccessWindowTest, aGameIsHeardAndSeenAsItIsPlayed) {
  QAccessible::installUpdateHandler(Listen);
  SetListening(true);
  ChooseMode(1);
  window->RunCommand({CommandId::PlayMode});  // the black digits become the givens
  ASSERT_TRUE(window->Play().Active());
  const auto name = [&](int cell) { return Of(Label(cell))->text(QAccessible::Name); };
  const auto description = [&](int cell) {
    return Of(Label(cell))->text(QAccessible::Description);
  };
  // The cells heard with `type` (the status texts' notifications left out).
  const auto cells = [&](QAccessible::Event type) {
    std::set<QString> named;
    for (const QString& n : Names(type))
      if (n.contains(QString::fromUtf8("列"))) named.insert(n);
    return named;
  };
  heard.clear();

  // A digit of the player in cell 3 (2, 6 and 8 are free there) and notes
  // 6 and 8 in cell 5; a note from the list by its key in cell 6.
  PlaceCursor(app(), 3);
  Key(Qt::Key_2);
  Key(Qt::Key_F4);
  EXPECT_EQ(window->InformPanel()->text(), QString::fromUtf8(kNoteInputOnText));
  PlaceCursor(app(), 5);
  Key(Qt::Key_6);
  Key(Qt::Key_8);
  Key(Qt::Key_F4);
  PlaceCursor(app(), 6);
  popupChoice = [](QMenu& menu) { return menu.actions().at(0); };  // "1"
  Key(Qt::Key_F4, Qt::ShiftModifier);
  ASSERT_EQ(popupPlaces.size(), 1u);
  EXPECT_EQ(popupPlaces[0], Label(6)->mapToGlobal(QPoint(0, Label(6)->height())));
  PlaceCursor(app(), 0);
  Key(Qt::Key_F4, Qt::ShiftModifier);  // a given has no notes: refused
  EXPECT_EQ(popupPlaces.size(), 1u);
  QCoreApplication::processEvents();

  const std::pair<int, const char*> names[] = {
      {0, "1行1列 5 問題の数字"},
      {2, "1行3列 4 解答の数字"},
      {3, "1行4列 2 入力した数字"},
      {5, "1行6列 空き"},
  };
  for (const auto& [cell, text] : names) EXPECT_EQ(name(cell), QString::fromUtf8(text)) << cell;
  EXPECT_EQ(description(5), QString::fromUtf8("メモ：6 8"));
  EXPECT_EQ(description(6), QString::fromUtf8("メモ：1"));
  EXPECT_EQ(description(3), QString());
  EXPECT_EQ(cells(QAccessible::NameChanged),
            std::set<QString>{QString::fromUtf8("1行4列 2 入力した数字")});
  EXPECT_EQ(
      cells(QAccessible::DescriptionChanged),
      (std::set<QString>{QString::fromUtf8("1行6列 空き"), QString::fromUtf8("1行7列 空き")}));

  // High contrast: white bold givens, the player's digit and notes cyan,
  // the digit underlined.
  window->Menu().mnuToolsHighContrast->trigger();
  QCoreApplication::processEvents();
  const QColor cyan(0, 255, 255);
  EXPECT_EQ(Label(3)->palette().color(QPalette::WindowText), cyan);
  EXPECT_TRUE(Label(3)->font().underline());
  EXPECT_FALSE(Label(3)->font().bold());
  EXPECT_EQ(Label(0)->palette().color(QPalette::WindowText), QColor(255, 255, 255));
  EXPECT_TRUE(Label(0)->font().bold());
  EXPECT_FALSE(Label(0)->font().underline());
  EXPECT_EQ(window->Board(9)->Marks().noteColor, cyan);

  // The game ends: the digit is a black digit of the puzzle again, the
  // notes are gone, and both are heard.
  heard.clear();
  window->RunCommand({CommandId::PlayMode});
  QCoreApplication::processEvents();
  EXPECT_EQ(name(3), QString::fromUtf8("1行4列 2 問題の数字"));
  EXPECT_TRUE(Label(3)->font().bold());
  EXPECT_EQ(description(5), QString());
  EXPECT_EQ(cells(QAccessible::NameChanged),
            std::set<QString>{QString::fromUtf8("1行4列 2 問題の数字")});
  EXPECT_EQ(Names(QAccessible::DescriptionChanged).size(), 2u);
}

}  // namespace
}  // namespace gridora::ui::testing
