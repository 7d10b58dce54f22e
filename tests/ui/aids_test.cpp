// SPDX-License-Identifier: MIT
// The playing aids of the tools menu: each off by default, turned on and
// off, the hint, the puzzle to and from the clipboard (a fake one), and the
// settings file they leave.

#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "aids/board_aids.h"
#include "aids/hint.h"
#include "aids/logic_hint.h"
#include "core/history.h"
#include "logic/logic_engine.h"
#include "logic/step.h"
#include "support/temp_dir.h"
#include "ui/main/board_surface.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// A 9 x 9 puzzle from the copied sets.
// The hint F3 shows on `state`: the logic engine's next step.
Hint Expected(const AppState& state) {
  LogicHints hints;
  const LogicHint next = hints.Next(state);
  Hint out;
  out.text = next.text;
  out.focus = next.focus;
  if (next.step && !next.step->placements.empty()) {
    out.cell = next.step->placements.front().cell;
    out.digit = next.step->placements.front().digit;
  }
  return out;
}

constexpr const char* kPuzzle =
    ".5..83.17...1..4..3.4..56.8....3...9.9.8245....6....7...9....5...729..861.36.72.4";

// On 16 x 16 a candidate's place is 3.75 pixels a side: a dot at 1 and 1.5
// device pixels per pixel, the board's text for the digit from 2 on (zoom
// 200%, or a display scale of 2), inside its place.
TEST(CandidateDrawingTest, sixteenBoardShowsTheTextWhereTheDevicePixelsAllowIt) {
  for (const auto& [ratio, text] : std::vector<std::pair<double, bool>>{
           {1, false}, {1.5, false}, {2, true}, {2.5, true}, {3, true}})
    EXPECT_EQ(CandidatesAsText(15.0 / 4 * ratio), text) << ratio;
  EXPECT_TRUE(CandidatesAsText(25.0 / 3));  // 9 x 9 at 100%

  BoardSurface surface(16, QPixmap(), nullptr);
  const int cell = 17;  // row 2, column 2
  BoardMarks marks;
  for (int d = 0; d <= 16; ++d) marks.digitTexts.push_back(QString::number(d));
  marks.candidates[cell] = 1 << 4 | 1 << 15;  // 5 and 16
  BoardMarks letters = marks;
  letters.digitTexts[5] = "e";
  letters.digitTexts[16] = "g";
  const auto render = [&](double ratio, const BoardMarks& shown) {
    surface.SetMarks(shown);
    QImage image(surface.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    surface.render(&image);
    return image;
  };
  EXPECT_EQ(render(1, marks), render(1, letters));
  EXPECT_EQ(render(1.5, marks), render(1.5, letters));
  // The room between the lines that cross the cell.
  const QRect room =
      surface.Label(cell)->geometry().marginsRemoved(surface.Label(cell)->contentsMargins());
  for (const double ratio : {2.0, 3.0}) {
    const QImage digits = render(ratio, marks);
    const QImage other = render(ratio, letters);
    // The place of digit d in the room, in pixels.
    const auto place = [&](int d) {
      const QSizeF side(room.width() / 4.0, room.height() / 4.0);
      return QRectF(room.left() + (d - 1) % 4 * side.width(),
                    room.top() + (d - 1) / 4 * side.height(), side.width(), side.height());
    };
    std::map<int, int> changed;  // by place: 5, 16, or 0 for outside both
    for (int y = 0; y < digits.height(); ++y)
      for (int x = 0; x < digits.width(); ++x) {
        if (digits.pixel(x, y) == other.pixel(x, y)) continue;
        const QPointF at = QPointF(x + 0.5, y + 0.5) / ratio;
        ++changed[place(5).contains(at) ? 5 : place(16).contains(at) ? 16 : 0];
      }
    EXPECT_GT(changed[5], 4 * ratio) << ratio;
    EXPECT_GT(changed[16], 4 * ratio) << ratio;
    EXPECT_EQ(changed[0], 0) << ratio;
  }
}

// A full 16 x 16 cell of candidates, 1 to 16, at the device pixels per
// pixel of the zooms 150%, 200% and 300% and of the display scale 2 alone
// and with 200% and 300% on it. Every mark inks only its own place; the
// space beside a mark is at least 1.5 device pixels and wider than any
// space inside a mark, so "10" and "11" never read as "1011"; a row of
// marks keeps a blank line of pixels to the next; a text mark still fills
// most of its place's height.
TEST(CandidateDrawingTest, sixteenCandidatesStandApartAtEveryScale) {
  BoardSurface surface(16, QPixmap(), nullptr);
  const int cell = 17;
  BoardMarks marks;
  for (int d = 0; d <= 16; ++d) marks.digitTexts.push_back(QString::number(d));
  marks.candidates[cell] = 0xFFFF;
  const auto render = [&](double ratio, const BoardMarks& shown) {
    surface.SetMarks(shown);
    QImage image(surface.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    surface.render(&image);
    return image;
  };
  for (const double ratio : {1.5, 2.0, 3.0, 4.0, 6.0}) {
    const QImage bare = render(ratio, BoardMarks{});
    const QImage full = render(ratio, marks);
    // The visible ink of each digit in device pixels: its columns and rows.
    std::map<int, std::set<int>> columns, rows;
    int outside = 0;
    for (int y = 0; y < full.height(); ++y)
      for (int x = 0; x < full.width(); ++x) {
        const QColor a = full.pixelColor(x, y), b = bare.pixelColor(x, y);
        if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                std::abs(a.blue() - b.blue()) <
            3 * 48)
          continue;
        const QPointF at = QPointF(x + 0.5, y + 0.5) / ratio;
        int digit = 0;
        for (int d = 1; d <= 16; ++d)
          if (surface.CandidatePlace(cell, d).contains(at)) digit = d;
        if (digit == 0) ++outside;
        columns[digit].insert(x);
        rows[digit].insert(y);
      }
    EXPECT_EQ(outside, 0) << ratio;
    // The widest run of empty columns inside one mark.
    int inner = 0;
    for (int d = 1; d <= 16; ++d) {
      ASSERT_FALSE(columns[d].empty()) << d << " at " << ratio;
      int last = *columns[d].begin();
      for (int x : columns[d]) inner = std::max(inner, x - last - 1), last = x;
      if (ratio >= 2) {
        const double height = *rows[d].rbegin() - *rows[d].begin() + 1;
        EXPECT_GT(height, 0.6 * surface.CandidatePlace(cell, d).height() * ratio)
            << d << " at " << ratio;
      }
    }
    for (int d = 1; d <= 16; ++d) {
      if (d % 4 != 0) {
        const int across = *columns[d + 1].begin() - *columns[d].rbegin() - 1;
        EXPECT_GE(across, std::max(1.5, inner + 1.0)) << d << " at " << ratio;
      }
      if (d <= 12) {
        const int down = *rows[d + 4].begin() - *rows[d].rbegin() - 1;
        EXPECT_GE(down, 1) << d << " at " << ratio;
      }
    }
  }
}

class AidsTest : public WindowTest {
 protected:
  std::string clipboard;
  void SetUp() override {
    WindowTest::SetUp();
    window->SetClipboard(
        {[this] { return clipboard; }, [this](const std::string& text) { clipboard = text; }});
  }
  const MainMenu& Menu() const { return window->Menu(); }
  const BoardMarks& Marks() const { return window->Board(state.BoardSize)->Marks(); }
  void PutPuzzle(const char* line) {
    for (int cell = 0; cell < 81; ++cell) {
      Put(cell, line[cell] == '.' ? 0 : line[cell] - '0');
    }
    RedrawBoard(app());
  }
  // Lets the refresh that every change of the board asks for run.
  void Settle() { QTest::qWait(1); }
  std::vector<int> Alerts() const {
    std::vector<int> cells;
    for (int cell = 0; cell < state.CellCount(); ++cell) {
      if (Label(cell)->Alert()) cells.push_back(cell);
    }
    return cells;
  }
  std::vector<int> Highlighted() const {
    std::vector<int> cells;
    for (int cell = 0; cell < state.CellCount(); ++cell) {
      if (Marks().highlighted.test(static_cast<std::size_t>(cell))) cells.push_back(cell);
    }
    return cells;
  }
};

TEST_F(AidsTest, theToolsMenuSitsBetweenDataAndOtherWithEveryAidOff) {
  const QList<QAction*> bar = window->menuBar()->actions();
  ASSERT_EQ(bar.size(), 5);
  EXPECT_EQ(bar[2]->text(), Text("データ(&D)"));
  EXPECT_EQ(bar[3]->text(), Text("ツール(&T)"));
  EXPECT_EQ(bar[4]->text(), Text("その他(&O)"));
  const std::vector<std::tuple<QAction*, const char*, QKeySequence>> items = {
      {Menu().mnuToolsCandidates, "候補を表示(&F)", {}},
      {Menu().mnuToolsHighlight, "同じ数字を強調(&L)", {}},
      {Menu().mnuToolsMistakes, "間違いを表示(&E)", {}},
      {Menu().mnuToolsHint, "ヒント(&H)", QKeySequence(Qt::Key_F3)},
      {Menu().mnuToolsCopy, "コピー(&C)", QKeySequence(Qt::CTRL | Qt::Key_C)},
      {Menu().mnuToolsPaste, "貼り付け(&P)", QKeySequence(Qt::CTRL | Qt::Key_V)},
  };
  for (const auto& [item, caption, shortcut] : items) {
    EXPECT_EQ(item->text(), Text(caption));
    EXPECT_EQ(item->shortcut(), shortcut) << caption;
    EXPECT_EQ(item->isCheckable(), shortcut.isEmpty()) << caption;
    EXPECT_FALSE(item->isChecked()) << caption;
  }
  // Off, a puzzle with a repeated digit looks as it always did.
  PutPuzzle(kPuzzle);
  SetCell(app(), 0, 5);  // a second 5 in the first row
  Click(1);
  Settle();
  EXPECT_EQ(Marks(), BoardMarks{});
  EXPECT_EQ(Alerts(), std::vector<int>{});
  EXPECT_EQ(Label(0)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(AidsTest, candidatesFollowTheBoardAndGoAwayWhenTurnedOff) {
  PutPuzzle(kPuzzle);
  Menu().mnuToolsCandidates->trigger();
  EXPECT_TRUE(Menu().mnuToolsCandidates->isChecked());
  EXPECT_EQ(Marks().candidates, CandidatesOf(state.Board, 9));
  EXPECT_EQ(Marks().candidates[0], 0x0122);  // 2 6 9: row 5 8 3 1 7, column 3 1, box 4
  EXPECT_EQ(Label(0)->toolTip(), Text("候補：2 6 9"));
  SetCell(app(), 0, 2);
  Settle();
  EXPECT_EQ(Marks().candidates, CandidatesOf(state.Board, 9));
  EXPECT_EQ(Marks().candidates[0], 0);
  EXPECT_EQ(Label(0)->toolTip(), QString());
  EXPECT_EQ(Label(3)->toolTip(), Text("候補：4 9"));
  Menu().mnuToolsCandidates->trigger();
  EXPECT_EQ(Marks(), BoardMarks{});
  EXPECT_EQ(Label(3)->toolTip(), QString());
}

TEST_F(AidsTest, theSameDigitIsHighlightedForTheLastPressedCellOrTheKeypadCursor) {
  PutPuzzle(kPuzzle);
  Menu().mnuToolsHighlight->trigger();
  ChooseMode(2);  // list mode: a left press opens the list, which the test closes
  Click(1);       // a 5
  Settle();
  EXPECT_EQ(Highlighted(), (std::vector<int>{1, 23, 42, 61}));
  ChooseMode(1);
  PlaceCursor(app(), 4);  // an 8
  Settle();
  EXPECT_EQ(Highlighted(), (std::vector<int>{4, 26, 39, 70}));
  Key(Qt::Key_Right);  // onto a 3
  Settle();
  EXPECT_EQ(Highlighted(), (std::vector<int>{5, 18, 31, 74}));
  Menu().mnuToolsHighlight->trigger();
  EXPECT_EQ(Highlighted(), std::vector<int>{});
}

TEST_F(AidsTest, repeatedDigitsAreRedWhileTheRepetitionLasts) {
  PutPuzzle(kPuzzle);
  Menu().mnuToolsMistakes->trigger();
  SetCell(app(), 0, 8);  // row 0 holds an 8 at column 4
  Settle();
  EXPECT_EQ(Alerts(), (std::vector<int>{0, 4}));
  EXPECT_EQ(Label(4)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(beeps, 0);
  EXPECT_TRUE(messages.empty());
  SetCell(app(), 0, 2);
  Settle();
  EXPECT_EQ(Alerts(), std::vector<int>{});
  EXPECT_EQ(Label(4)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(AidsTest, f3ShowsTheNextStepUntilTheBoardChangesAndPlacesNothing) {
  PutPuzzle(kPuzzle);
  ChooseMode(1);
  PlaceCursor(app(), 40);
  const BoardCodes before = state.Board;
  const Hint expected = Expected(state);
  Key(Qt::Key_F3);
  EXPECT_EQ(Inform(), expected.text);
  EXPECT_EQ(state.Board, before);
  EXPECT_EQ(state.CursorCell, 40);  // the keypad never saw the key
  ASSERT_EQ(expected.focus.size(), 1u);
  EXPECT_TRUE(Marks().hintFocus.test(static_cast<std::size_t>(expected.focus[0])));
  EXPECT_EQ(Marks().hintFocus.count(), 1u);
  SetCell(app(), expected.cell, expected.digit);
  Settle();
  EXPECT_EQ(Marks().hintFocus.count(), 0u);
  EXPECT_EQ(Marks().hintSupport.count(), 0u);
}

// A hint longer than the status panel shows whole in a note over the
// window, clear of the cells it is about; the panel keeps its one line as
// before. The note goes with the hint, with the next status text, or on a
// click. Followed hint by hint through a whole puzzle.
TEST_F(AidsTest, longHintShowsWholeInANoteClearOfItsCells) {
  PutPuzzle(kPuzzle);
  const QRect client = window->centralWidget()->geometry();
  int top = 0, bottom = 0, replaced = 0, clicked = 0;
  for (Hint expected = Expected(state); expected.digit != 0; expected = Expected(state)) {
    Key(Qt::Key_F3);
    EXPECT_EQ(Inform(), expected.text);
    const QLabel* inform = window->InformPanel();
    const bool cut =
        inform->fontMetrics().horizontalAdvance(inform->text()) > inform->contentsRect().width();
    QLabel* note = window->HintNote();
    ASSERT_EQ(note && note->isVisible(), cut) << expected.text;
    if (!cut) continue;
    EXPECT_EQ(note->text().toStdString(), expected.text);
    EXPECT_GE(note->height(), note->heightForWidth(note->width()));
    EXPECT_EQ(note->width(), client.width());
    EXPECT_TRUE(client.contains(note->geometry()));
    const QLabel* cell = Label(expected.cell);
    const QRect cellRect(cell->mapTo(window.get(), QPoint(0, 0)), cell->size());
    EXPECT_FALSE(note->geometry().intersects(cellRect)) << expected.text;
    ++(note->geometry().bottom() == client.bottom() ? bottom : top);
    // A second F3 would apply the step: the note goes by the next status
    // text for some hints, by a click for others.
    if (expected.cell % 3 == 0) {
      Key(Qt::Key_C, Qt::ControlModifier);  // the next status text
      EXPECT_FALSE(note->isVisible());
      ++replaced;
    } else if (expected.cell % 3 == 1) {
      QTest::mouseClick(note, Qt::LeftButton);
      EXPECT_FALSE(note->isVisible());
      ++clicked;
    }
    SetCell(app(), expected.cell, expected.digit);
    Settle();
    EXPECT_FALSE(note->isVisible());
  }
  EXPECT_GT(bottom, 0);
  EXPECT_GT(top, 0);
  EXPECT_GT(replaced, 0);
  EXPECT_GT(clicked, 0);
  Key(Qt::Key_F3);
  EXPECT_EQ(Inform(), "ヒント：すべてのマスが埋まっています");
  EXPECT_FALSE(window->HintNote()->isVisible());
}

// F3 on the same board again applies the step shown. Followed through a
// puzzle up to its first chain, past its first steps beyond the basic
// techniques (X-Wing, 3.2, and harder: here XY-Wings): each step's sentence
// is shown, its pattern and removals are drawn over the candidates shown,
// and the next F3 puts its digits on the board and takes its removals out
// of the candidates, the marks going with them. The chain's sentence names
// it and its links are drawn.
TEST_F(AidsTest, secondF3AppliesTheStepAndAHardStepDrawsItsPatternAndRemovals) {
  PutPuzzle(".................1..2..3.4......253..16..7....8...........1.....5..8....4......27");
  Menu().mnuToolsCandidates->trigger();
  Settle();
  LogicHints hints;
  const auto shows = [&](CandMask mask, const logic::Candidate& c) {
    return (mask & (1u << (c.digit - 1))) != 0;
  };
  // Shows `next` with F3 and applies it with a second F3.
  const auto showAndApply = [&](const LogicHint& next, const std::function<void()>& shown) {
    Key(Qt::Key_F3);
    EXPECT_EQ(Inform(), next.text);
    EXPECT_EQ(Marks().hintRemovals.size(), next.step->removals.size());
    EXPECT_EQ(Marks().hintPattern.size(), next.step->pattern.size());
    for (const logic::Candidate& r : next.step->removals)
      EXPECT_TRUE(shows(Marks().candidates[static_cast<std::size_t>(r.cell)], r)) << next.text;
    if (shown) shown();
    const BoardCodes before = state.Board;
    Key(Qt::Key_F3);  // applies
    for (const logic::Candidate& p : next.step->placements) {
      EXPECT_EQ(DigitOf(state.Board[static_cast<std::size_t>(p.cell)]), p.digit);
    }
    EXPECT_TRUE(next.step->placements.empty() || state.Board != before);
    Settle();
    for (const logic::Candidate& r : next.step->removals)
      EXPECT_FALSE(shows(Marks().candidates[static_cast<std::size_t>(r.cell)], r)) << next.text;
    EXPECT_TRUE(Marks().hintRemovals.empty());
    EXPECT_TRUE(Marks().hintPattern.empty());
  };
  LogicHint next = hints.Next(state);
  int applied = 0, hard = 0;
  while (next.step && next.step->chains.empty()) {
    showAndApply(next, {});
    hard += next.step->rating >= 32;
    hints.Apply(next);
    next = hints.Next(state);
    ++applied;
  }
  ASSERT_TRUE(next.step.has_value());
  EXPECT_GT(applied, 10);
  EXPECT_GE(hard, 1);
  showAndApply(next, [&] {
    const std::string name = std::string(logic::TechniqueName(next.step->technique));
    EXPECT_NE(next.text.find("（" + name + "）"), std::string::npos) << next.text;
    EXPECT_GE(Marks().hintLinks.size(), 3u);
    // The whole sentence in the note, which leaves removed candidates in sight.
    const QLabel* note = window->HintNote();
    ASSERT_TRUE(note && note->isVisible());
    std::size_t hidden = 0;
    for (const logic::Candidate& r : next.step->removals) {
      const QLabel* cell = Label(r.cell);
      hidden +=
          note->geometry().intersects(QRect(cell->mapTo(window.get(), QPoint(0, 0)), cell->size()));
    }
    EXPECT_LT(hidden, next.step->removals.size());
  });
  EXPECT_TRUE(Marks().hintLinks.empty());
  Key(Qt::Key_F3);  // the step after it, on the candidates left
  hints.Apply(next);
  EXPECT_EQ(Inform(), hints.Next(state).text);
}

// 難易度を評価 tells the engine's rating and hardest step; 解き方を表示 opens
// one window (brought back, not doubled) with a line for each step of the
// path, the first the sentence F3 shows, all of it selectable to copy. A
// board that contradicts itself is not rated.
TEST_F(AidsTest, ratingAndSolvingPathTellTheEnginesPath) {
  PutPuzzle(".................1..2..3.4......253..16..7....8...........1.....5..8....4......27");
  logic::Digits digits{};
  for (int c = 0; c < 81; ++c)
    digits[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(Code(c));
  const logic::Path path = logic::SolvePath(9, digits);
  ASSERT_TRUE(path.hardest.has_value());
  const auto tenths = [](int r) { return std::to_string(r / 10) + "." + std::to_string(r % 10); };
  window->findChild<QAction*>(QStringLiteral("mnuToolsRate"))->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, "難易度");
  const std::string& rating = messages[0].text;
  EXPECT_EQ(rating.rfind("難易度 ER " + tenths(path.er) + " (EP " + tenths(path.ep), 0), 0u)
      << rating;
  EXPECT_NE(rating.find("最も難しい手順：" + std::string(logic::TechniqueName(*path.hardest))),
            std::string::npos)
      << rating;
  EXPECT_NE(rating.find("手順の数：" + std::to_string(path.steps.size())), std::string::npos);

  QAction* showPath = window->findChild<QAction*>(QStringLiteral("mnuToolsPath"));
  showPath->trigger();
  QDialog* shown = window->SolvingPathWindow();
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(shown->isVisible());
  auto* view = shown->findChild<QPlainTextEdit*>();
  ASSERT_NE(view, nullptr);
  const QStringList lines = view->toPlainText().split(QLatin1Char('\n'));
  const std::size_t header =
      static_cast<std::size_t>(QString::fromStdString(rating).count('\n')) + 1;
  ASSERT_EQ(static_cast<std::size_t>(lines.size()), header + path.steps.size());
  EXPECT_EQ(lines[0].toStdString(), rating.substr(0, rating.find('\n')));
  const std::string first = lines[static_cast<qsizetype>(header)].toStdString();
  EXPECT_EQ(first, "1. [" + tenths(path.steps[0].rating) + "] " +
                       Expected(state).text.substr(std::string("ヒント：").size()));
  for (std::size_t k = 0; k < path.steps.size(); ++k) {
    const QString line = lines[static_cast<qsizetype>(header + k)];
    EXPECT_TRUE(line.startsWith(QString::number(k + 1) + QStringLiteral(". [") +
                                QString::fromStdString(tenths(path.steps[k].rating))))
        << line.toStdString();
  }
  view->selectAll();
  EXPECT_EQ(view->textCursor().selectedText().size(), view->toPlainText().size());
  EXPECT_TRUE(view->textInteractionFlags() & Qt::TextSelectableByKeyboard);
  showPath->trigger();
  EXPECT_EQ(window->SolvingPathWindow(), shown);
  shown->close();

  SetCell(app(), 0, 1);  // a second 1 in the first column
  SetCell(app(), 9, 1);
  window->findChild<QAction*>(QStringLiteral("mnuToolsRate"))->trigger();
  EXPECT_EQ(messages.back().text, "盤面が矛盾しているので評価できません");
}

TEST_F(AidsTest, ctrlCCopiesTheBlackDigitsAndCtrlVPastesThemAsANewPuzzle) {
  PutPuzzle(kPuzzle);
  Put(2, MakeCode(6, kClassGreen));  // a solver's digit is left out
  RedrawBoard(app());
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard, std::string(kPuzzle) + "\n");
  EXPECT_EQ(Inform(), "問題をコピーしました");

  clipboard = "+-------+\n";
  for (int row = 0; row < 16; ++row) {
    clipboard += row == 0 ? "1 2 3 4 | 5 6 7 8 | 9 10 11 12 | 13 14 15 16\n"
                          : ". . . . | . . . . | . . . . | . . . .\n";
  }
  state.DataChanged = false;
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_TRUE(messages.empty());  // nothing unsaved: no question
  EXPECT_EQ(state.BoardSize, 16);
  for (int cell = 0; cell < 16; ++cell) EXPECT_EQ(Code(cell), cell + 1);
  EXPECT_EQ(Code(16), 0);
  EXPECT_TRUE(window->Board(16)->isVisible());
  EXPECT_EQ(Inform(), "問題を貼り付けました");
  // The pasted puzzle is played: undo stops at its digits. Out of play
  // mode, undo goes back to the empty board.
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Code(15), 16);
  window->RunCommand({CommandId::PlayMode});
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(state.Board, BoardCodes{});
  Key(Qt::Key_A, Qt::ControlModifier);  // still redo
  EXPECT_EQ(Code(15), 16);
  // Copied back in gridora-solve's form: 10 to 16 as "A" to "G".
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard, "123456789ABCDEFG" + std::string(240, '.') + "\n");
}

TEST_F(AidsTest, inKeypadModeTheShortcutsRunTheirCommandsAndThePlainKeyStillTypes) {
  NewPuzzle16(app());
  ChooseMode(1);
  PlaceCursor(app(), 0);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Code(0), 0);  // not 12
  EXPECT_EQ(state.CursorCell, 0);
  EXPECT_EQ(clipboard, std::string(256, '.') + "\n");
  Key(Qt::Key_C);
  EXPECT_EQ(Code(0), 12);
  EXPECT_EQ(state.CursorCell, 1);
}

TEST_F(AidsTest, pastingTextThatIsNoPuzzleLeavesBoardAndHistoryAlone) {
  PutPuzzle(kPuzzle);
  SetCell(app(), 0, 2);
  const BoardCodes board = state.Board;
  const auto history = state.History;
  const int pos = state.HistoryPos;
  const int top = state.HistoryTop;
  clipboard = "Number Place: 53..7....";
  Key(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(messages.size(), 1u);  // no save question before it
  EXPECT_EQ(messages[0].title, "貼り付け失敗");
  EXPECT_EQ(messages[0].text,
            "クリップボードの文字は問題として読めませんでした。\r\n"
            "81文字(16×16は256文字)の1行か、9行(16行)の表にしてください。");
  EXPECT_EQ(messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(state.Board, board);
  EXPECT_EQ(state.History, history);
  EXPECT_EQ(state.HistoryPos, pos);
  EXPECT_EQ(state.HistoryTop, top);
  EXPECT_TRUE(state.DataChanged);

  // A real puzzle, but the save question is cancelled.
  clipboard = kPuzzle;
  answers.push_back(MessageAnswer::Cancel);
  Key(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].title, "セーブ確認");
  EXPECT_EQ(state.Board, board);
  EXPECT_EQ(state.History, history);
}

TEST_F(AidsTest, theSettingsFileKeepsTheSpecifiedSectionsAndAddsTheToolsSection) {
  window->MoveMainWindow(4200, 2400);
  Menu().mnuToolsCandidates->trigger();
  Menu().mnuToolsHighlight->trigger();
  Menu().mnuToolsMistakes->trigger();
  Menu().mnuFileQuit->trigger();
  ASSERT_FALSE(window->isVisible());
  const std::string path =
      config.filePath(QStringLiteral("gridora/Gridora.ini")).toLocal8Bit().toStdString();
  using gridora::testing::ReadBytes;
  EXPECT_EQ(ReadBytes(path),
            ReadBytes(gridora::testing::TestDataPath("settings/fresh_after_quit.ini")) +
                "[Tools]\r\nShowCandidates=True\r\nHighlightSame=True\r\nShowMistakes=True\r\n"
                "Zoom= 100\r\n");

  AppState next;
  const std::unique_ptr<MainWindow> again = StartMain(next, {}, nullptr);
  EXPECT_TRUE(again->Menu().mnuToolsCandidates->isChecked());
  EXPECT_TRUE(again->Menu().mnuToolsHighlight->isChecked());
  EXPECT_TRUE(again->Menu().mnuToolsMistakes->isChecked());
  EXPECT_TRUE(next.settings.Tools.ShowMistakes);
}

}  // namespace
}  // namespace gridora::ui::testing
