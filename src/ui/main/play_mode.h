// SPDX-License-Identifier: MIT
#pragma once
// PlayMode: the window side of play mode. It keeps the game (play/game.h),
// guards the input modes (givens refused, digits as notes), puts the notes,
// the player's colour and the wrong digits into what the board draws, runs
// the clock in the status bar, says when the puzzle is solved, keeps the
// records and keeps the game beside its file. The rules live in src/play;
// this class only wires them to the window.
//
//   PlayMode play(window);           // one member of the main window
//   play.BuildMenu(*toolsMenu);      // the items of "ツール"
//   input.SetGuard(&play);

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

#include "core/app.h"
#include "play/game.h"
#include "play/kept_games.h"
#include "play/records.h"
#include "ui/main/commands.h"
#include "ui/main/input_modes.h"

class QAction;
class QLabel;
class QMenu;

namespace gridora::ui {

class MainWindow;
struct BoardMarks;

// The play mode's items of "ツール(&T)".
struct PlayMenu {
  QAction* play = nullptr;               // "プレイモード(&G)", check item
  QAction* noteInput = nullptr;          // "メモ入力(&O)", check item, F4
  QAction* autoRemove = nullptr;         // "メモを自動で消す", check item
  QAction* candidatesToNotes = nullptr;  // "候補をメモに写す"
  QAction* clearNotes = nullptr;         // "メモを消す"
  QAction* wrongDigits = nullptr;        // "解と違う数字を表示", check item
  QAction* timer = nullptr;              // "時間を表示(&T)", check item
  QAction* records = nullptr;            // "成績(&R)..."
  QAction* noteList = nullptr;           // "メモの一覧(&Y)...", Shift+F4
};

// Texts of play mode the user sees.
inline constexpr const char* kGivenRefusedText = "問題の数字は変えられません (プレイモード)";
inline constexpr const char* kPlayStartedText = "プレイモードを始めました";
inline constexpr const char* kPlayEndedText = "プレイモードを終わりました";
inline constexpr const char* kSolvedTitle = "完成";
inline constexpr const char* kNoteInputOnText = "メモ入力をオンにしました";
inline constexpr const char* kNoteInputOffText = "メモ入力をオフにしました";

class PlayMode : public QObject, public InputGuard {
 public:
  explicit PlayMode(MainWindow& window);
  ~PlayMode() override;

  // Adds the items to `tools` and returns them for the command table.
  const PlayMenu& BuildMenu(QMenu& tools);
  const PlayMenu& Menu() const { return menu_; }
  // Runs one of play mode's commands.
  void Run(Command command);

  play::Game& Game() { return game_; }
  bool Active() const { return game_.Active(); }
  // A game is on and not solved yet: its state is worth a recovery copy.
  bool InPlay() const { return game_.Active() && !game_.Solved(); }
  // The givens of the game on the board shown; null without one.
  const play::CellFlags* GivensShown() const;
  // The note list of `cell` under it, as the middle button opens it: the
  // keyboard's way to the list (Shift+F4 on the cursor's cell).
  void OpenNoteList(int cell);
  // Starts a game on the board as it is (its black digits the givens), or
  // ends the one in play (and says so in the status bar).
  void Start();
  void Stop();

  // Undo and redo while a game is on (false: not in play, the window does
  // its own).
  bool Undo();
  bool Redo();
  // A hint or a complete solve was asked for.
  void MarkHelped() { game_.MarkHelped(); }

  // Around the commands that replace the puzzle: the game in play is kept
  // first; afterwards a generated or pasted puzzle starts a game, and an
  // opened file takes back the game kept for it.
  void BeforeReplacing();
  void AfterReplacing(CommandId command);
  // The board frame was reset (every new puzzle, load, paste or generation
  // passes here).
  void PuzzleReset() { reset_ = true; }
  // The file named at start-up or restored from the recovery copy at
  // `place` (the copy's path, or "" for PuzzleFileName).
  void ResumeKept(const std::string& place = "");
  // Starts the game `record` describes when its givens stand on the board
  // (a puzzle of another program's file, with the player's digits on the
  // board and notes in `record`); false, and no game, otherwise.
  bool StartGame(const play::GameRecord& record);
  // Called at the solved moment with the records that have just taken the
  // result under the board's size and grade, before they are saved: the
  // hook may keep the same result under a key of its own.
  using SolvedHook = std::function<void(play::Records& records, const play::GameResult& result)>;
  void SetSolvedHook(SolvedHook hook) { solvedHook_ = std::move(hook); }
  // Keeps the game beside its file (after a save, before a quit) and beside
  // the recovery copy at `recoveryCopy` when that exists.
  void KeepGame();
  void SetRecoveryCopy(const std::string& path) { recoveryCopy_ = path; }

  // Follows a change of the board: the journal, notes that go with a placed
  // digit, the solved moment. Called before the marks are drawn.
  void Sync();
  // Adds the notes, the fainter candidates and the wrong digits.
  void AddMarks(BoardMarks& marks) const;
  // The colour a cell's digit is drawn in: the player's own for the black
  // digits that are not givens.
  Color CellColor(int boardSize, int cell, Color color) const;
  QLabel* ClockPanel() const { return clock_; }
  // Milliseconds of the steady clock the game clock reads.
  std::int64_t Now() const { return steady_.elapsed(); }
  // The records file and the kept games' folder (the user's data folder).
  std::string RecordsFile() const;

  // --- InputGuard -------------------------------------------------------------
  bool Refuses(int cell) override;
  bool TakesAsNote(int cell, int digit) override;
  bool OpensNoteList(int cell, Qt::MouseButton button, const QPoint& globalPos) override;
  void Placed(int cell) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowNoteList(int cell, const QPoint& globalPos);
  void Solved();
  void UpdateItems();
  void UpdateClock();
  void Redraw();
  void RunClock(bool run);
  void FindSolution();

  MainWindow& window_;
  App app_;
  play::Game game_;
  PlayMenu menu_;
  bool noteInput_ = false;
  bool playerInput_ = false;
  bool reset_ = false;
  bool hasSolution_ = false;
  BoardCodes solution_{};
  std::string recoveryCopy_;
  SolvedHook solvedHook_;
  QLabel* clock_ = nullptr;
  QTimer tick_;
  QTimer away_;  // a minute without the focus pauses the clock
  QElapsedTimer steady_;
};

}  // namespace gridora::ui
