// SPDX-License-Identifier: MIT
// The "ツール" menu driven as a user drives it: a puzzle made through the
// dialog (after the save-changes question), the complete search on a
// puzzle the Solve command gives up on, and the solution count box.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <atomic>
#include <climits>
#include <map>

#include "core/file_io.h"
#include "engine/puzzle_stock.h"
#include "engine/search.h"
#include "ui/dialogs/generate_dialog.h"
#include "ui/main/search_wait.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

// The first puzzle of the top1465 list: Solve ends "解けませんでした".
constexpr const char* kHard =
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........";

class ToolsTest : public WindowTest {
 protected:
  void Load(const std::string& line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      Put(static_cast<int>(i), line[i] == '.' ? 0 : line[i] - '0');
    }
    RedrawBoard(app());
  }
  QAction* Item(const char* name) { return window->findChild<QAction*>(QString::fromLatin1(name)); }
  // Solutions of the black digits, counted by the search up to two.
  int Solutions() {
    engine::Grid givens{};
    for (int c = 0; c < state.CellCount(); ++c) {
      givens[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(DigitOf(Code(c)));
    }
    return engine::CountSolutions(state.BoardSize, givens, 2).solutions;
  }
};

// The help page (F1) has a section on the tools menu that names every
// command of it, with the shortcut the menu shows, and tells of the
// recovery copy in the words the program asks with.
TEST_F(ToolsTest, helpPageDescribesEveryCommandOfTheToolsMenu) {
  QFile file(QStringLiteral(GRIDORA_APP_DATA_DIR "/gridora.html"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString page = QString::fromUtf8(file.readAll());
  const qsizetype start = page.indexOf(QStringLiteral("<h2 id=\"tools\">"));
  ASSERT_GE(start, 0);
  const QString section = page.mid(start, page.indexOf(QStringLiteral("<h2"), start + 1) - start);
  std::vector<QString> missing;
  std::vector<QMenu*> menus = {window->Menu().mnuTools};
  while (!menus.empty()) {
    QMenu* menu = menus.back();
    menus.pop_back();
    for (QAction* item : menu->actions()) {
      if (item->isSeparator()) continue;
      if (item->menu()) menus.push_back(item->menu());
      // "問題を作る-9...(&N)" -> "問題を作る-9...", "&1 100%" -> "100%".
      QString name = item->text();
      name.remove(QRegularExpression(QStringLiteral("^&\\d ")));
      name.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
      name.remove(QLatin1Char('&'));
      if (!section.contains(name)) missing.push_back(name);
      const QString keys = item->shortcut().toString(QKeySequence::PortableText);
      if (!keys.isEmpty() && !section.contains(keys)) missing.push_back(name + ": " + keys);
    }
  }
  EXPECT_EQ(missing, std::vector<QString>{});
  EXPECT_TRUE(
      page.contains(QString::fromUtf8("前回保存されなかった問題があります。復元しますか？")));
}

TEST_F(ToolsTest, itemsAtTheEndOfTheToolsMenu) {
  QStringList texts;
  for (QAction* action : window->ToolsMenu()->actions()) texts << action->text();
  ASSERT_GE(texts.size(), 9);
  EXPECT_EQ(
      texts.mid(texts.size() - 9),
      (QStringList{QString(), QString::fromUtf8("問題を作る-9...(&N)"),
                   QString::fromUtf8("問題を作る-16...(&M)"), QString(),
                   QString::fromUtf8("完全に解く(&S)"), QString::fromUtf8("解の数を調べる(&U)"),
                   QString(), QString::fromUtf8("難易度を評価(&V)"),
                   QString::fromUtf8("解き方を表示(&W)...")}));
}

// Alt+T and one letter reach every item of ツール that has an access key:
// no two items of the menu (nor of a submenu) share one, and each is the
// letter its text underlines.
TEST_F(ToolsTest, accessKeysOfTheToolsMenuAreUnique) {
  std::vector<QMenu*> menus = {window->ToolsMenu()};
  int keyed = 0;
  while (!menus.empty()) {
    QMenu* menu = menus.back();
    menus.pop_back();
    std::map<int, QString> owners;
    for (QAction* item : menu->actions()) {
      if (item->isSeparator()) continue;
      if (item->menu()) menus.push_back(item->menu());
      const QKeySequence key = QKeySequence::mnemonic(item->text());
      if (key.isEmpty()) continue;
      ++keyed;
      const auto [at, added] = owners.emplace(key[0].toCombined(), item->text());
      EXPECT_TRUE(added) << item->text().toStdString() << " and " << at->second.toStdString()
                         << " share " << key.toString().toStdString();
    }
  }
  EXPECT_GE(keyed, 20);
}

TEST_F(ToolsTest, makeAPuzzleOfEachSize) {
  for (const int size : {9, 16}) {
    SCOPED_TRACE(size);
    bool waitCursor = false, locked = false;
    dialogAction = [&](QDialog& dialog) {
      auto& generate = dynamic_cast<GenerateDialog&>(dialog);
      generate.GradeBox()->setCurrentIndex(0);  // やさしい
      generate.SymmetricBox()->setChecked(true);
      // Runs while the puzzle is being made.
      QTimer::singleShot(0, window.get(), [&] {
        locked = !window->isEnabled();
        waitCursor = QApplication::overrideCursor() &&
                     QApplication::overrideCursor()->shape() == Qt::WaitCursor;
      });
      generate.OkButton()->click();
    };
    Item(size == 9 ? "mnuToolsNew9" : "mnuToolsNew16")->trigger();
    EXPECT_EQ(dialogs.back(), "frmGenerate");
    EXPECT_TRUE(locked);
    EXPECT_TRUE(waitCursor);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(state.BoardSize, size);
    EXPECT_EQ(Solutions(), 1);
    const int cells = size * size;
    int clues = 0;
    for (int c = 0; c < cells; ++c) {
      EXPECT_EQ(ClassOf(Code(c)), kClassBlack);
      EXPECT_EQ(Code(c) != 0, Code(cells - 1 - c) != 0) << "symmetric";
      clues += Code(c) != 0;
    }
    EXPECT_GT(clues, 16);
    EXPECT_LT(clues, cells / 2);
    EXPECT_EQ(state.PuzzleAuthor, state.settings.UserName);
    EXPECT_EQ(state.PuzzleComment, "自動生成の問題 (難易度：やさしい)");
    EXPECT_EQ(window->Property(PropertyLabel::Comment)->text().toStdString(),
              "自動生成の問題 (難易度：やさしい)");
    EXPECT_EQ(Inform(), "問題を作りました (難易度：やさしい)");
  }
}

// With a stock, 問題を作る places the stocked puzzle of the grade and
// symmetry asked for and takes it out of the stock; once the stock has
// none, the puzzle is made as before, under the wait cursor.
TEST_F(ToolsTest, aStockedPuzzleComesAtOnce) {
  const engine::StockKey hard{9, engine::Grade::Hard, engine::Symmetry::None};
  const std::string folder = config.path().toStdString() + "/cache";
  engine::GenerateOptions options;
  options.grade = hard.grade;
  options.seed = 5;
  const engine::Generated stocked = engine::Generate(options);
  ASSERT_TRUE(static_cast<bool>(
      WriteFileCreatingFolders(folder + "/puzzle-stock.txt",
                               engine::FormatStock({{hard, stocked.puzzle, stocked.solution}}))));
  window->StartPuzzleStock(folder);
  for (const bool fromStock : {true, false}) {
    bool waitCursor = false;
    dialogAction = [&](QDialog& dialog) {
      auto& generate = dynamic_cast<GenerateDialog&>(dialog);
      generate.GradeBox()->setCurrentIndex(2);  // 難問
      generate.SymmetricBox()->setChecked(false);
      QTimer::singleShot(0, window.get(),
                         [&] { waitCursor = QApplication::overrideCursor() != nullptr; });
      generate.OkButton()->click();
    };
    Item("mnuToolsNew9")->trigger();
    if (!fromStock) {
      EXPECT_TRUE(waitCursor);
    }
    engine::Grid board{};
    for (int c = 0; c < 81; ++c)
      board[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(DigitOf(Code(c)));
    EXPECT_EQ(board == stocked.puzzle, fromStock);
    EXPECT_EQ(Solutions(), 1);
    EXPECT_EQ(Inform(), "問題を作りました (難易度：難問)");
    if (fromStock) window->Stock()->Stop();  // the next one finds the stock empty
  }
}

TEST_F(ToolsTest, cancelKeepsThePuzzle) {
  Load(kHard);
  state.DataChanged = true;
  const BoardCodes before = state.Board;
  dialogAction = nullptr;  // the dialog is cancelled
  Item("mnuToolsNew9")->trigger();
  EXPECT_EQ(state.Board, before);
  // OK in the dialog, then Cancel at the save-changes question.
  dialogAction = [](QDialog& dialog) { dialog.accept(); };
  answers = {MessageAnswer::Cancel};
  Item("mnuToolsNew9")->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(state.Board, before);
}

TEST_F(ToolsTest, fullSolveFinishesWhatSolveGivesUp) {
  Load(kHard);
  Key(Qt::Key_F2);
  EXPECT_EQ(Inform(), "解けませんでした");
  Item("mnuToolsFullSolve")->trigger();
  EXPECT_EQ(Inform(), "成功！");
  engine::Grid digits{}, givens{};
  for (int c = 0; c < 81; ++c) {
    digits[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(DigitOf(Code(c)));
    givens[static_cast<std::size_t>(c)] =
        static_cast<std::uint8_t>(kHard[c] == '.' ? 0 : kHard[c] - '0');
    EXPECT_EQ(ClassOf(Code(c)), kHard[c] == '.' ? kClassGreen : kClassBlack) << c;
  }
  EXPECT_TRUE(engine::SolvesPuzzle(9, givens, digits));
  EXPECT_TRUE(window->Menu().mnuDataAnswer[1]->isEnabled());
  EXPECT_FALSE(window->Menu().mnuDataAnswer[2]->isEnabled());
}

TEST_F(ToolsTest, countTheSolutions) {
  struct Case {
    std::string board;
    const char* verdict;
  };
  std::string clash(81, '.');
  clash[0] = clash[80] = '5';
  clash[8] = '5';
  for (const Case& c :
       {Case{kHard, "解は1つだけです"}, Case{std::string(81, '.'), "解が2つ以上あります"},
        Case{clash, "解がありません"}}) {
    Load(c.board);
    messages.clear();
    Item("mnuToolsCount")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, c.verdict);
    EXPECT_EQ(messages[0].title, "解の数");
    EXPECT_EQ(messages[0].icon, MessageIcon::Information);
  }
}

// A search that would run for ever (every solution of an empty 16 x 16
// board) under the window, as 完全に解く and 解の数を調べる run theirs: the
// event loop keeps running, the progress note appears, and its button, Esc
// on it, or Esc on the window before it shows stop the search, which
// returns marked stopped. Nothing is left behind. The commands read the
// flag the same way (EngineCommandsTest.stoppedSearchesChangeOnlyTheMessage).
TEST_F(ToolsTest, longSearchesCanBeStopped) {
  const auto note = []() -> QWidget* {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == QStringLiteral("frmSearchWait") && w->isVisible()) return w;
    }
    return nullptr;
  };
  enum class Stop { Button, EscOnNote, EscBeforeNote };
  for (const Stop stop : {Stop::Button, Stop::EscOnNote, Stop::EscBeforeNote}) {
    SCOPED_TRACE(static_cast<int>(stop));
    int ticks = 0;
    bool noteSeen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      ++ticks;  // the event loop runs while the search does
      QWidget* shown = note();
      if (stop == Stop::EscBeforeNote) {
        if (ticks == 2) QTest::keyClick(window.get(), Qt::Key_Escape);
        return;
      }
      if (shown == nullptr) return;
      noteSeen = true;
      poll.stop();
      EXPECT_EQ(shown->windowTitle().toStdString(), "完全に解く");
      EXPECT_EQ(shown->findChild<QLabel*>()->text().toStdString(), "解を探しています...");
      if (stop == Stop::Button) {
        QPushButton* button = shown->findChild<QPushButton*>();
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text().toStdString(), "中止");
        button->click();
      } else {
        QTest::keyClick(shown, Qt::Key_Escape);
      }
    });
    poll.start(50);
    window->SetSolving(true);
    SearchWait wait(window.get(), QStringLiteral("解を探しています..."),
                    QStringLiteral("完全に解く"));
    const engine::SearchResult result = wait.Run([](const std::atomic<bool>& cancel) {
      engine::SearchLimits limits;
      limits.cancel = &cancel;
      return engine::CountSolutions(16, engine::Grid{}, INT_MAX, {}, limits);
    });
    window->SetSolving(false);
    poll.stop();
    EXPECT_TRUE(result.stopped);
    EXPECT_TRUE(wait.Cancelled());
    EXPECT_GT(result.solutions, 0);
    EXPECT_GT(ticks, 1);
    EXPECT_EQ(noteSeen, stop != Stop::EscBeforeNote);
    EXPECT_EQ(note(), nullptr);
    EXPECT_TRUE(window->isEnabled());
  }
}

}  // namespace
}  // namespace gridora::ui::testing
