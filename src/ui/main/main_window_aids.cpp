// SPDX-License-Identifier: MIT
// The playing aids of the main window: candidates, the highlighted digit,
// repeated digits, hints, and the puzzle to and from the clipboard. The
// window only draws what the core's aids compute.

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <utility>
#include <vector>

#include "aids/board_aids.h"
#include "aids/puzzle_text.h"
#include "core/board.h"
#include "core/file_commands.h"
#include "ui/main/board_surface.h"
#include "ui/main/main_window.h"
#include "ui/main/play_mode.h"
#include "ui/main/window_access.h"

namespace gridora::ui {

namespace {

constexpr const char* kCopiedText = "問題をコピーしました";
constexpr const char* kPastedText = "問題を貼り付けました";
constexpr const char* kPasteFailedTitle = "貼り付け失敗";
constexpr const char* kNotAPuzzleText =
    "クリップボードの文字は問題として読めませんでした。\r\n"
    "81文字(16×16は256文字)の1行か、9行(16行)の表にしてください。";

// The note of a long hint: a click puts it away.
class NoteLabel : public QLabel {
 public:
  explicit NoteLabel(QWidget* parent) : QLabel(parent) {}

 protected:
  void mousePressEvent(QMouseEvent*) override { hide(); }
};

}  // namespace

void MainWindow::ConnectTools() {
  pressRecorder_ = std::make_unique<PressRecorder>(*input_, [this](int cell) {
    lastPressed_ = cell;
    ScheduleAidsRefresh();
  });
  wall9_->SetMouseHandler(pressRecorder_.get());
  wall16_->SetMouseHandler(pressRecorder_.get());
  clipboard_ = {[] { return QGuiApplication::clipboard()->text().toStdString(); },
                [](const std::string& text) {
                  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
                }};
  const MainMenu& m = menu_;
  BindCommand(m.mnuToolsCandidates, {CommandId::ShowCandidates});
  BindCommand(m.mnuToolsHighlight, {CommandId::HighlightSame});
  BindCommand(m.mnuToolsMistakes, {CommandId::ShowMistakes});
  BindCommand(m.mnuToolsHint, {CommandId::Hint});
  BindCommand(m.mnuToolsCopy, {CommandId::CopyPuzzle});
  BindCommand(m.mnuToolsPaste, {CommandId::PastePuzzle});
  BindCommand(m.mnuToolsHighContrast, {CommandId::HighContrast});
  BindCommand(m.mnuToolsHighContrastDesktop, {CommandId::HighContrastDesktop});
}

void MainWindow::ToggleTool(bool ToolSettings::*setting) {
  Tools().*setting = !(Tools().*setting);
  UpdateToolChecks();
  RefreshAids();
}

void MainWindow::UpdateToolChecks() {
  menu_.mnuToolsCandidates->setChecked(Tools().ShowCandidates);
  menu_.mnuToolsHighlight->setChecked(Tools().HighlightSame);
  menu_.mnuToolsMistakes->setChecked(Tools().ShowMistakes);
  menu_.mnuToolsHighContrast->setChecked(Tools().HighContrast);
  menu_.mnuToolsHighContrast->setEnabled(!Tools().HighContrastDesktop);
  menu_.mnuToolsHighContrastDesktop->setChecked(Tools().HighContrastDesktop);
}

void MainWindow::ScheduleAidsRefresh() {
  if (aidsPending_) return;
  aidsPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (aidsPending_) RefreshAids();
  });
}

int MainWindow::FocusCell() const {
  const int cell =
      state_.settings.InputMode == InputKind::Keypad ? state_.CursorCell : lastPressed_;
  return state_.IsCellIndex(cell) ? cell : -1;
}

void MainWindow::RefreshAids() {
  aidsPending_ = false;
  play_->Sync();
  const int size = state_.BoardSize;
  const BoardCodes& board = state_.Board;
  if (hintSize_ != 0 && (hintSize_ != size || hintBoard_ != board)) hintSize_ = 0;
  if (hintSize_ == 0) HideHintNote();

  BoardMarks marks;
  marks.highContrast = access_ && access_->HighContrastShown();
  if (hintSize_ != 0) {
    for (int cell : hint_.focus) marks.hintFocus.set(static_cast<std::size_t>(cell));
    for (int cell : hint_.support) marks.hintSupport.set(static_cast<std::size_t>(cell));
    logic_->AddMarks(marks);
  }
  const auto digitTexts = [&] {
    marks.digitTexts.resize(static_cast<std::size_t>(size) + 1);
    for (int d = 1; d <= size; ++d) {
      marks.digitTexts[static_cast<std::size_t>(d)] =
          QString::fromStdString(CharacterOf(state_, d));
    }
  };
  if (!marks.hintPattern.empty() || !marks.hintRemovals.empty()) digitTexts();
  if (Tools().ShowCandidates) {
    marks.candidates = CandidatesOf(board, size);
    logic_->FilterCandidates(marks.candidates, board, size);
    digitTexts();
  }
  const int focus = FocusCell();
  const int digit = focus >= 0 ? DigitOf(board[static_cast<std::size_t>(focus)]) : 0;
  if (Tools().HighlightSame && digit != 0) {
    for (int cell = 0; cell < state_.CellCount(); ++cell) {
      if (DigitOf(board[static_cast<std::size_t>(cell)]) == digit) {
        marks.highlighted.set(static_cast<std::size_t>(cell));
      }
    }
  }
  play_->AddMarks(marks);
  const CellSet repeated = Tools().ShowMistakes ? RepeatedCells(board, size) : CellSet{};
  BoardSurface* shown = Board(size);
  shown->SetMarks(marks);
  Board(size == 16 ? 9 : 16)->SetMarks({});
  for (int cell = 0; cell < size * size; ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    CellLabel* label = shown->Label(cell);
    label->SetAlert(repeated.test(i) || marks.wrongDigits.test(i));
    // The candidates in a readable size, on hover.
    QString tip;
    if (marks.candidates[i] != 0) {
      tip = QString::fromUtf8("候補：");
      for (int d : DigitsOf{marks.candidates[i]}) {
        tip += marks.digitTexts[static_cast<std::size_t>(d)] + QLatin1Char(' ');
      }
      tip.chop(1);
    }
    // The player's notes, likewise (play mode), in the board's own texts.
    if (marks.notes[i] != 0) {
      tip = QString::fromUtf8("メモ：");
      for (int d : DigitsOf{marks.notes[i]})
        tip += QString::fromStdString(CharacterOf(state_, d)) + QLatin1Char(' ');
      tip.chop(1);
    }
    if (label->toolTip() != tip) label->setToolTip(tip);
  }
  if (access_) access_->Refresh();
}

void MainWindow::ShowHint() {
  const bool sameBoard = hintSize_ == state_.BoardSize && hintBoard_ == state_.Board;
  hint_ = logic_->HintOrApply(app(), sameBoard);
  hintBoard_ = state_.Board;
  hintSize_ = state_.BoardSize;
  ShowStatus(hint_.text);
  // The panel is narrower than most sentences: the whole one on hover,
  // and in the note.
  inform_->setToolTip(QString::fromStdString(hint_.text));
  RefreshAids();
  ShowHintNote();
}

void MainWindow::ShowHintNote() {
  const QString text = QString::fromStdString(hint_.text);
  if (inform_->fontMetrics().horizontalAdvance(text) <= inform_->contentsRect().width()) {
    HideHintNote();
    return;
  }
  if (!hintNote_) {
    // A child of the window, not of the client area, so that the printed
    // client area never holds it.
    hintNote_ = new NoteLabel(this);
    hintNote_->setObjectName(QStringLiteral("hintNote"));
    hintNote_->setTextFormat(Qt::PlainText);
    hintNote_->setWordWrap(true);
    hintNote_->setFrameShape(QFrame::Box);
    hintNote_->setMargin(2);
    hintNote_->setFont(inform_->font());
    hintNote_->setAutoFillBackground(true);
    hintNote_->setBackgroundRole(QPalette::ToolTipBase);
    hintNote_->setForegroundRole(QPalette::ToolTipText);
  }
  hintNote_->setText(text);
  const QRect client = centralWidget()->geometry();
  const int height = hintNote_->heightForWidth(client.width());
  QRect note(client.left(), client.bottom() + 1 - height, client.width(), height);
  QRect above = note;
  above.moveTop(toolbar_->mapTo(this, QPoint(0, toolbar_->height())).y());
  // At the bottom unless it hides more of the hint there than at the top:
  // the cells it places or blames above all, then the rest of its pattern,
  // the candidates it removes and its chains.
  const BoardSurface* board = Board(hintSize_);
  const BoardMarks& marks = board->Marks();
  std::vector<std::pair<int, int>> weighed;  // cell, weight
  for (int cell : hint_.focus) weighed.emplace_back(cell, 1000);
  for (int cell : hint_.support) weighed.emplace_back(cell, 1);
  for (const auto* marked : {&marks.hintPattern, &marks.hintRemovals})
    for (const CandidateMark& m : *marked) weighed.emplace_back(m.cell, 1);
  for (const LinkMark& link : marks.hintLinks) weighed.emplace_back(link.to.cell, 1);
  const auto hides = [&](const QRect& place) {
    int hidden = 0;
    for (const auto& [cell, weight] : weighed) {
      const QRect r = board->Label(cell)->geometry();
      if (place.intersects(QRect(board->mapTo(this, r.topLeft()), r.size()))) hidden += weight;
    }
    return hidden;
  };
  if (hides(above) < hides(note)) note = above;
  hintNote_->setGeometry(note);
  hintNote_->show();
  hintNote_->raise();
}

void MainWindow::HideHintNote() {
  if (hintNote_) hintNote_->hide();
}

void MainWindow::CopyPuzzle() {
  clipboard_.write(WritePuzzleText(state_.Board, state_.BoardSize));
  ShowStatus(kCopiedText);
}

void MainWindow::PastePuzzleText() {
  const std::optional<PuzzleText> puzzle = ReadPuzzleText(clipboard_.read());
  if (!puzzle) {
    ShowMessage(kNotAPuzzleText, kPasteFailedTitle, MessageButtons::Ok, MessageIcon::Information);
    return;
  }
  if (!ConfirmSaveChanges(app())) return;
  PastePuzzle(app(), *puzzle);
  ShowStatus(kPastedText);
}

}  // namespace gridora::ui
