// SPDX-License-Identifier: MIT
#include "ui/main/play_mode.h"

#include <QAction>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <filesystem>

#include "aids/board_aids.h"
#include "aids/contrast.h"
#include "core/board.h"
#include "core/log.h"
#include "engine/grade.h"
#include "play/player_colour.h"
#include "play/records.h"
#include "ui/dialogs/generate_dialog.h"
#include "ui/dialogs/records_dialog.h"
#include "ui/main/board_surface.h"
#include "ui/main/main_window.h"

namespace gridora::ui {

namespace {

constexpr int kAwayMs = 60 * 1000;

QColor ToQColor(Color c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
constexpr std::size_t kMaxPuzzleBytes = 1024 * 1024;

QAction* AddItem(QMenu& menu, const char* text, const char* name, bool checkable) {
  QAction* action = menu.addAction(QString::fromUtf8(text));
  action->setObjectName(QString::fromLatin1(name));
  action->setCheckable(checkable);
  return action;
}

// Kept games are found by the file's full path, however it was named.
std::string PlaceOf(const std::string& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::weakly_canonical(path, error);
  return error ? path : full.string();
}

play::KeptGames KeptGamesFolder() {
  return play::KeptGames(play::GamesFolder(play::PlayDataFolder()));
}

}  // namespace

PlayMode::PlayMode(MainWindow& window) : QObject(&window), window_(window), app_(window.app()) {
  steady_.start();
  tick_.setInterval(1000);
  connect(&tick_, &QTimer::timeout, this, [this] { UpdateClock(); });
  away_.setSingleShot(true);
  away_.setInterval(kAwayMs);
  connect(&away_, &QTimer::timeout, this, [this] { RunClock(false); });
  clock_ = new QLabel(window.statusBar());
  clock_->setObjectName(QStringLiteral("lblPlayClock"));
  clock_->setAlignment(Qt::AlignCenter);
  clock_->hide();
  // Before the Num Lock panel, after the "inform" panel (item 0).
  window.statusBar()->insertPermanentWidget(1, clock_);
  window.installEventFilter(this);
}

PlayMode::~PlayMode() = default;

const PlayMenu& PlayMode::BuildMenu(QMenu& tools) {
  tools.addSeparator()->setObjectName(QStringLiteral("mnuToolsDumy5"));
  menu_.play = AddItem(tools, "プレイモード(&G)", "mnuToolsPlay", true);
  menu_.noteInput = AddItem(tools, "メモ入力(&O)", "mnuToolsNoteInput", true);
  menu_.noteInput->setShortcut(QKeySequence(Qt::Key_F4));
  menu_.autoRemove = AddItem(tools, "メモを自動で消す", "mnuToolsAutoRemove", true);
  menu_.candidatesToNotes = AddItem(tools, "候補をメモに写す", "mnuToolsCandidatesToNotes", false);
  menu_.clearNotes = AddItem(tools, "メモを消す", "mnuToolsClearNotes", false);
  menu_.wrongDigits = AddItem(tools, "解と違う数字を表示", "mnuToolsWrongDigits", true);
  menu_.timer = AddItem(tools, "時間を表示(&T)", "mnuToolsTimer", true);
  menu_.records = AddItem(tools, "成績(&R)...", "mnuToolsRecords", false);
  menu_.noteList = AddItem(tools, "メモの一覧(&Y)...", "mnuToolsNoteList", false);
  menu_.noteList->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F4));
  UpdateItems();
  return menu_;
}

void PlayMode::UpdateItems() {
  if (!menu_.play) return;
  const ToolSettings& tools = app_.state.settings.Tools;
  menu_.play->setChecked(Active());
  menu_.noteInput->setChecked(noteInput_);
  menu_.autoRemove->setChecked(tools.AutoRemoveNotes);
  menu_.wrongDigits->setChecked(tools.ShowWrongDigits);
  menu_.timer->setChecked(tools.ShowTimer);
  menu_.candidatesToNotes->setEnabled(Active());
  menu_.clearNotes->setEnabled(Active());
  menu_.noteList->setEnabled(Active());
  UpdateClock();
}

void PlayMode::Run(Command command) {
  ToolSettings& tools = app_.state.settings.Tools;
  switch (command.id) {
    case CommandId::PlayMode:
      if (Active()) {
        Stop();
      } else {
        Start();
        window_.ShowStatus(kPlayStartedText);
      }
      break;
    case CommandId::NoteInput:
      noteInput_ = !noteInput_;
      // Said, as the key gives no other sign of it.
      window_.ShowStatus(noteInput_ ? kNoteInputOnText : kNoteInputOffText);
      break;
    case CommandId::AutoRemoveNotes:
      tools.AutoRemoveNotes = !tools.AutoRemoveNotes;
      break;
    case CommandId::CandidatesToNotes:
      if (Active()) {
        const CandidateMasks candidates = CandidatesOf(app_.state.Board, app_.state.BoardSize);
        play::NoteMasks notes{};
        std::copy(candidates.begin(), candidates.end(), notes.begin());
        game_.ReplaceNotes(notes);
      }
      break;
    case CommandId::ClearNotes:
      if (Active()) game_.ReplaceNotes({});
      break;
    case CommandId::ShowWrongDigits:
      tools.ShowWrongDigits = !tools.ShowWrongDigits;
      break;
    case CommandId::ShowTimer:
      tools.ShowTimer = !tools.ShowTimer;
      break;
    case CommandId::Records: {
      const play::Records records = play::Records::Load(RecordsFile());
      RecordsDialog dialog(records, window_.windowIcon(), &window_);
      window_.RunDialog(dialog);
      break;
    }
    default:
      break;
  }
  UpdateItems();
  window_.RefreshAids();
}

void PlayMode::Start() {
  game_.Start(app_.state);
  FindSolution();
  RunClock(window_.isActiveWindow());
  Redraw();
}

void PlayMode::Stop() {
  if (!Active()) return;
  KeepGame();
  game_.Stop();
  tick_.stop();
  Redraw();
  window_.ShowStatus(kPlayEndedText);
}

void PlayMode::Redraw() {
  RedrawBoard(app_);  // the player's colour on (or off) the black digits
  UpdateItems();
  window_.RefreshAids();
}

void PlayMode::FindSolution() {
  engine::Grid givens{};
  for (int cell = 0; cell < app_.state.CellCount(); ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    if (game_.IsGiven(cell)) givens[i] = static_cast<std::uint8_t>(DigitOf(app_.state.Board[i]));
  }
  std::array<engine::Grid, 1> found{};
  hasSolution_ = engine::CountSolutions(app_.state.BoardSize, givens, 2, found).solutions == 1;
  solution_ = {};
  if (hasSolution_) std::copy(found[0].begin(), found[0].end(), solution_.begin());
}

bool PlayMode::Undo() {
  if (!Active()) return false;
  game_.Undo(app_);
  window_.RefreshAids();
  return true;
}

bool PlayMode::Redo() {
  if (!Active()) return false;
  game_.Redo(app_);
  window_.RefreshAids();
  return true;
}

void PlayMode::BeforeReplacing() {
  KeepGame();
  reset_ = false;
}

void PlayMode::AfterReplacing(CommandId command) {
  if (!reset_) return;  // cancelled: the puzzle and its game stay
  reset_ = false;
  game_.Stop();
  tick_.stop();
  if (command == CommandId::GeneratePuzzle || command == CommandId::PastePuzzle) {
    Start();
  } else if (command == CommandId::OpenPuzzle) {
    ResumeKept();
  } else {
    UpdateItems();
  }
}

void PlayMode::ResumeKept(const std::string& place) {
  reset_ = false;
  game_.Stop();
  const std::string path = place.empty() ? app_.state.PuzzleFileName : place;
  if (path == kNoFileName || path.empty()) return UpdateItems();
  const FileBytes file = ReadWholeFile(path, kMaxPuzzleBytes);
  if (file.status != ReadStatus::Ok) return UpdateItems();
  const std::optional<play::GameRecord> record = KeptGamesFolder().Find(PlaceOf(path), file.bytes);
  if (!record) return UpdateItems();
  StartGame(*record);
}

bool PlayMode::StartGame(const play::GameRecord& record) {
  reset_ = false;
  game_.Stop();
  if (!game_.Resume(app_.state, record)) {
    tick_.stop();
    UpdateItems();
    return false;
  }
  FindSolution();
  RunClock(window_.isActiveWindow());
  Redraw();
  return true;
}

void PlayMode::KeepGame() {
  if (!Active()) return;
  const play::GameRecord record = game_.Record(Now());
  const play::KeptGames kept = KeptGamesFolder();
  const auto keep = [&](const std::string& path) {
    const FileBytes file = ReadWholeFile(path, kMaxPuzzleBytes);
    if (file.status != ReadStatus::Ok) return;
    if (const WriteStatus written = kept.Keep(PlaceOf(path), file.bytes, record); !written)
      LogFailure(LogArea::Files, "cannot keep the game of " + path, written.error());
  };
  if (app_.state.PuzzleFileName != kNoFileName) keep(app_.state.PuzzleFileName);
  if (!recoveryCopy_.empty()) keep(recoveryCopy_);
}

std::string PlayMode::RecordsFile() const {
  return play::RecordsPath(play::PlayDataFolder());
}

void PlayMode::Sync() {
  if (!Active()) return;
  if (!game_.GivensStand(app_.state)) {
    // A command of several cells (a digit exchange, a memory slot) put
    // another puzzle on the board.
    game_.Stop();
    tick_.stop();
    Redraw();
    window_.ShowStatus(kPlayEndedText);
    return;
  }
  const bool byPlayer = playerInput_;
  playerInput_ = false;
  const play::Game::SyncResult result = game_.Sync(
      app_.state, {.autoRemove = app_.state.settings.Tools.AutoRemoveNotes, .byPlayer = byPlayer});
  if (result.solvedNow) Solved();
}

void PlayMode::Solved() {
  game_.Clock().Pause(Now());
  tick_.stop();
  UpdateClock();
  const int size = app_.state.BoardSize;
  engine::Grid givens{};
  for (int cell = 0; cell < size * size; ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    if (game_.IsGiven(cell)) givens[i] = static_cast<std::uint8_t>(DigitOf(app_.state.Board[i]));
  }
  const std::int64_t ms = game_.Clock().Elapsed(Now());
  const std::string grade = GradeText(engine::GradeOf(size, givens)).toStdString();
  play::Records records = play::Records::Load(RecordsFile());
  const std::string date =
      QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
  const play::GameResult result{ms, game_.Helped(), date};
  const bool best = records.Add(play::RecordKey(size, grade), result);
  if (solvedHook_) solvedHook_(records, result);
  if (const WriteStatus saved = records.Save(RecordsFile()); !saved)
    LogFailure(LogArea::Files, "cannot save the records to " + RecordsFile(), saved.error());
  KeepGame();
  std::string text = "正解です！\r\n時間：" + play::ClockText(ms);
  if (game_.Helped()) {
    text += " (ヒントあり)";
  } else if (best) {
    text += "\r\n新記録です！";
  }
  window_.ShowMessage(text, kSolvedTitle, MessageButtons::Ok, MessageIcon::Information);
}

void PlayMode::AddMarks(BoardMarks& marks) const {
  if (!Active() || app_.state.BoardSize != game_.BoardSize()) return;
  const AppState& s = app_.state;
  bool any = false;
  for (int cell = 0; cell < s.CellCount(); ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    marks.notes[i] = DigitOf(s.Board[i]) == 0 ? game_.Notes(cell) : 0;
    any = any || marks.notes[i] != 0;
  }
  marks.candidatesFaint = any;
  marks.noteColor = ToQColor(marks.highContrast ? kHighContrastNotes
                                                : play::PlayerNoteColor(s.settings.SoftColor));
  if (s.settings.Tools.ShowWrongDigits && hasSolution_) {
    const play::CellFlags wrong = play::DifferentFromSolution(s.Board, solution_, s.BoardSize);
    for (int cell = 0; cell < s.CellCount(); ++cell)
      if (wrong.test(static_cast<std::size_t>(cell)))
        marks.wrongDigits.set(static_cast<std::size_t>(cell));
  }
}

Color PlayMode::CellColor(int boardSize, int cell, Color color) const {
  if (!Active() || boardSize != game_.BoardSize() || cell < 0 || cell >= kMaxCells) return color;
  const int code = app_.state.Board[static_cast<std::size_t>(cell)];
  if (DigitOf(code) == 0 || ClassOf(code) != kClassBlack || game_.IsGiven(cell)) return color;
  return play::PlayerDigitColor(app_.state.settings.SoftColor);
}

bool PlayMode::Refuses(int cell) {
  if (!game_.IsGiven(cell)) return false;
  if (app_.state.settings.Beep) window_.Beep();
  window_.ShowStatus(kGivenRefusedText);
  return true;
}

bool PlayMode::TakesAsNote(int cell, int digit) {
  if (!Active() || !noteInput_) return false;
  if (!Refuses(cell) && game_.ToggleNote(cell, digit)) window_.RefreshAids();
  return true;
}

bool PlayMode::OpensNoteList(int cell, Qt::MouseButton button, const QPoint& globalPos) {
  if (!Active()) return false;
  const bool keypad = app_.state.settings.InputMode == InputKind::Keypad;
  const bool opens =
      button == Qt::MiddleButton ||
      (noteInput_ && !keypad && (button == Qt::LeftButton || button == Qt::RightButton));
  if (!opens) return false;
  if (!Refuses(cell)) ShowNoteList(cell, globalPos);
  return true;
}

void PlayMode::Placed(int) {
  playerInput_ = true;
}

const play::CellFlags* PlayMode::GivensShown() const {
  return Active() && game_.BoardSize() == app_.state.BoardSize ? &game_.Givens() : nullptr;
}

void PlayMode::OpenNoteList(int cell) {
  const CellLabel* label = window_.Board(app_.state.BoardSize)->Label(cell);
  if (!Active() || !app_.state.IsCellIndex(cell) || !label || Refuses(cell)) return;
  ShowNoteList(cell, label->mapToGlobal(QPoint(0, label->height())));
}

void PlayMode::ShowNoteList(int cell, const QPoint& globalPos) {
  QMenu list(&window_);
  list.setObjectName(QStringLiteral("mnuNoteList"));
  const int size = app_.state.BoardSize;
  std::vector<QAction*> digits(static_cast<std::size_t>(size) + 1, nullptr);
  for (int d = 1; d <= size; ++d) {
    QAction* item = list.addAction(
        QString::fromStdString(CharacterOf(app_.state, d)).replace(u'&', QStringLiteral("&&")));
    item->setCheckable(true);
    item->setChecked((game_.Notes(cell) >> (d - 1)) & 1);
    digits[static_cast<std::size_t>(d)] = item;
  }
  list.addSeparator();
  QAction* clear = list.addAction(QStringLiteral("このマスのメモを消す"));
  QAction* chosen = window_.ShowPopupMenu(list, globalPos);
  if (!chosen) return;
  if (chosen == clear) {
    play::NoteMasks notes = game_.AllNotes();
    notes[static_cast<std::size_t>(cell)] = 0;
    game_.ReplaceNotes(notes);
  }
  for (int d = 1; d <= size; ++d)
    if (chosen == digits[static_cast<std::size_t>(d)]) game_.ToggleNote(cell, d);
  window_.RefreshAids();
}

void PlayMode::RunClock(bool run) {
  if (Active() && run && !game_.Solved()) {
    game_.Clock().Run(Now());
    tick_.start();
  } else {
    game_.Clock().Pause(Now());
    tick_.stop();
  }
  UpdateClock();
}

void PlayMode::UpdateClock() {
  const bool shown = Active() && app_.state.settings.Tools.ShowTimer;
  if (shown) {
    clock_->setText(QStringLiteral("時間 ") +
                    QString::fromStdString(play::ClockText(game_.Clock().Elapsed(Now()))));
  }
  clock_->setVisible(shown);
}

bool PlayMode::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && Active()) {
    if (event->type() == QEvent::WindowStateChange) {
      RunClock(!window_.isMinimized() && window_.isActiveWindow());
    } else if (event->type() == QEvent::ActivationChange) {
      if (window_.isActiveWindow()) {
        away_.stop();
        RunClock(!window_.isMinimized());
      } else {
        away_.start();
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace gridora::ui
