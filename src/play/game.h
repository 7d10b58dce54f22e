// SPDX-License-Identifier: MIT
#pragma once
// Game: the puzzle in play mode, without any window.
//
// Responsibilities:
//  - the givens: the black digits on the board when the game started; the
//    input modes ask IsGiven before they change a cell;
//  - the player's notes (pencil marks), a mask of digits per cell, and an
//    undo journal beside the board's own history: every note change is a
//    step of its own, and every step the board's history records is a step
//    of the journal too (Sync finds them), so Undo and Redo walk notes and
//    digits in the order the player made them, through UndoStep and
//    RedoStep for the board. The board history itself is never changed by
//    the journal;
//  - the removal of a placed digit from the notes of its row, column and
//    box, the solved moment, the helped mark and the play clock.
//
//   Game game;
//   game.Start(state);                  // the black digits become the givens
//   if (!game.IsGiven(cell)) SetCell(app, cell, 5);
//   game.Sync(state, {.autoRemove = true, .byPlayer = true});
//   game.ToggleNote(cell, 3);           // one undo step
//   game.Undo(app);                     // the note goes again
//
// The player's digits stay ordinary black digits of the board: what makes
// them the player's is only that their cell is not a given.

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/app.h"
#include "play/game_clock.h"

namespace gridora::play {

using NoteMask = std::uint16_t;                     // bit d - 1 for digit d
using NoteMasks = std::array<NoteMask, kMaxCells>;  // one mask per cell index
using CellFlags = std::bitset<kMaxCells>;           // one flag per cell index

// The most steps the journal keeps; older ones are forgotten.
inline constexpr std::size_t kJournalLimit = 500;

// What a game keeps on disk (kept_games.h) and takes back.
struct GameRecord {
  int boardSize = 9;
  std::array<std::uint8_t, kMaxCells> givens{};  // the given digit of each cell, 0: none
  NoteMasks notes{};
  std::int64_t elapsedMs = 0;
  bool helped = false;
  bool solved = false;
  bool operator==(const GameRecord&) const = default;
};

class Game {
 public:
  // Starts a game on the board of `state`: its black digits become the
  // givens; no notes, the clock at 0 (paused), not helped. When the
  // history stands at its first snapshot (a puzzle typed by hand, made by
  // the generator or pasted), that snapshot is moved up one place above an
  // empty board, as after loading a file, so that each digit the player
  // enters in another cell becomes an undo step of its own.
  void Start(AppState& state);
  // Starts the game `record` describes, when its givens stand on the board
  // of `state` (same size, every given in its cell as a black digit).
  // False, and nothing changes, otherwise.
  bool Resume(AppState& state, const GameRecord& record);
  // Ends the game: no givens, no notes, no journal.
  void Stop();
  bool Active() const { return active_; }
  int BoardSize() const { return size_; }

  // --- Givens ---------------------------------------------------------------
  // True for a cell that held a black digit when the game started.
  bool IsGiven(int cell) const;
  const CellFlags& Givens() const { return givens_; }
  // True while every given stands in its cell (a command of several cells,
  // such as the digit exchange, may have replaced one).
  bool GivensStand(const AppState& state) const;

  // --- Notes ----------------------------------------------------------------
  NoteMask Notes(int cell) const;
  const NoteMasks& AllNotes() const { return notes_; }
  // Flips the note `digit` of `cell`: one undo step. False, and nothing
  // changes, for a given, a cell off the board or a digit outside 1 to N.
  bool ToggleNote(int cell, int digit);
  // Replaces all notes at once (the candidates copied into the notes, or
  // all notes cleared): one undo step, none when nothing changes. Masks of
  // givens and of cells off the board are dropped.
  bool ReplaceNotes(const NoteMasks& notes);

  // --- Following the board --------------------------------------------------
  struct SyncOptions {
    bool autoRemove = true;  // a placed digit leaves the notes of its peers
    bool byPlayer = false;   // the change was the player's input
  };
  struct SyncResult {
    bool notesChanged = false;  // a placed digit took notes away
    bool solvedNow = false;     // the player's input completed a valid board
  };
  // Call after every change of the board (any command). Records the steps
  // the board history took as journal steps (a note change that a digit
  // caused belongs to that digit's step), removes placed digits from their
  // peers' notes, and finds the solved moment: the first time the player's
  // input leaves the board full with no digit repeated. The clock stops
  // then.
  SyncResult Sync(const AppState& state, SyncOptions options);
  bool Solved() const { return solved_; }

  // --- Undo and redo --------------------------------------------------------
  // Undoes the newest step of the journal, of the notes or of the board,
  // never going back to a board on which a given is missing (nor past the
  // steps the board's eleven snapshots still hold). False when there is
  // none. Only the journal's steps are undone: what the board's history
  // held before the game started stays out of reach.
  bool Undo(App app);
  // Redoes the step undone last. False when there is none; a new step
  // after an undo drops the steps that could have been redone.
  bool Redo(App app);
  bool CanUndo(const AppState& state) const;
  bool CanRedo(const AppState& state) const;

  // --- The rest of the game -------------------------------------------------
  // A hint or a complete solve was asked for during the game.
  void MarkHelped() { helped_ = active_ && !solved_ ? true : helped_; }
  bool Helped() const { return helped_; }
  GameClock& Clock() { return clock_; }
  const GameClock& Clock() const { return clock_; }

  // The game as it is kept on disk, with the clock read at `now`.
  GameRecord Record(std::int64_t now) const;

 private:
  struct Step {
    bool board = false;  // a step of the board history comes with it
    NoteMasks before{};
    NoteMasks after{};
  };
  void Push(Step step);
  // Makes each later single-cell change an undo step of its own (see Start).
  void BeginHistory(AppState& state);
  void See(const AppState& state);  // the board as the journal last saw it
  bool BoardCanUndo(const AppState& state) const;
  bool HoldsGivens(const BoardCodes& codes) const;
  void RemoveFromPeers(int cell, int digit);

  bool active_ = false;
  int size_ = 9;
  CellFlags givens_;
  BoardCodes givenCodes_{};
  NoteMasks notes_{};
  std::vector<Step> journal_;
  std::size_t done_ = 0;  // journal_[0, done_) are done, the rest can be redone
  BoardCodes seenBoard_{};
  BoardCodes seenSnapshot_{};
  int seenPos_ = 0;
  bool solved_ = false;
  bool helped_ = false;
  GameClock clock_;
};

// True when every cell of the board holds a digit and no digit repeats in
// a row, column or box.
bool IsSolvedBoard(const BoardCodes& board, int boardSize);

// The cells of `board` that hold a digit other than the one of `solution`
// in that cell (both as cell codes or digits; empty cells never count).
CellFlags DifferentFromSolution(const BoardCodes& board, const BoardCodes& solution, int boardSize);

}  // namespace gridora::play
