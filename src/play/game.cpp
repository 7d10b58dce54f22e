// SPDX-License-Identifier: MIT
#include "play/game.h"

#include <algorithm>

#include "core/history.h"

namespace gridora::play {

namespace {

bool SameCells(const BoardCodes& a, const BoardCodes& b, int cells) {
  return std::equal(a.begin(), a.begin() + cells, b.begin());
}

NoteMask AllDigits(int size) {
  return static_cast<NoteMask>((1u << size) - 1);
}

}  // namespace

void Game::Start(AppState& state) {
  Stop();
  active_ = true;
  size_ = state.BoardSize;
  for (int cell = 0; cell < state.CellCount(); ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    const int code = state.Board[i];
    if (DigitOf(code) != 0 && ClassOf(code) == kClassBlack) {
      givens_.set(i);
      givenCodes_[i] = static_cast<CellCode>(code);
    }
  }
  BeginHistory(state);
}

void Game::BeginHistory(AppState& state) {
  RecordHistory(state);
  if (state.HistoryPos == 0) {
    // As after a load: the empty board, then the puzzle.
    state.History[1] = state.History[0];
    std::fill_n(state.History[0].begin(), state.CellCount(), 0);
    state.HistoryPos = state.HistoryTop = 1;
  }
  See(state);
}

bool Game::Resume(AppState& state, const GameRecord& record) {
  if (record.boardSize != state.BoardSize) return false;
  for (int cell = 0; cell < state.CellCount(); ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    if (record.givens[i] != 0 && state.Board[i] != MakeCode(record.givens[i], kClassBlack))
      return false;
  }
  Stop();
  active_ = true;
  size_ = state.BoardSize;
  for (int cell = 0; cell < state.CellCount(); ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    if (record.givens[i] == 0) continue;
    givens_.set(i);
    givenCodes_[i] = MakeCode(record.givens[i], kClassBlack);
  }
  BeginHistory(state);
  for (int cell = 0; cell < state.CellCount(); ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    notes_[i] = givens_.test(i) ? 0 : static_cast<NoteMask>(record.notes[i] & AllDigits(size_));
  }
  clock_.Reset(record.elapsedMs);
  helped_ = record.helped;
  solved_ = record.solved;
  return true;
}

void Game::Stop() {
  active_ = false;
  givens_.reset();
  givenCodes_ = {};
  notes_ = {};
  journal_.clear();
  done_ = 0;
  solved_ = false;
  helped_ = false;
  clock_.Reset();
}

bool Game::IsGiven(int cell) const {
  return active_ && cell >= 0 && cell < kMaxCells && givens_.test(static_cast<std::size_t>(cell));
}

bool Game::HoldsGivens(const BoardCodes& codes) const {
  for (int cell = 0; cell < size_ * size_; ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    if (givens_.test(i) && codes[i] != givenCodes_[i]) return false;
  }
  return true;
}

bool Game::GivensStand(const AppState& state) const {
  return active_ && state.BoardSize == size_ && HoldsGivens(state.Board);
}

NoteMask Game::Notes(int cell) const {
  return cell >= 0 && cell < kMaxCells ? notes_[static_cast<std::size_t>(cell)] : 0;
}

void Game::Push(Step step) {
  journal_.resize(done_);
  if (journal_.size() == kJournalLimit) journal_.erase(journal_.begin());
  journal_.push_back(step);
  done_ = journal_.size();
}

bool Game::ToggleNote(int cell, int digit) {
  if (!active_ || cell < 0 || cell >= size_ * size_ || digit < 1 || digit > size_ || IsGiven(cell))
    return false;
  Step step{false, notes_, notes_};
  step.after[static_cast<std::size_t>(cell)] ^= static_cast<NoteMask>(1u << (digit - 1));
  notes_ = step.after;
  Push(step);
  return true;
}

bool Game::ReplaceNotes(const NoteMasks& notes) {
  if (!active_) return false;
  NoteMasks next{};
  for (int cell = 0; cell < size_ * size_; ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    if (!givens_.test(i)) next[i] = static_cast<NoteMask>(notes[i] & AllDigits(size_));
  }
  if (next == notes_) return false;
  Push({false, notes_, next});
  notes_ = next;
  return true;
}

void Game::See(const AppState& state) {
  seenBoard_ = state.Board;
  seenPos_ = state.HistoryPos;
  seenSnapshot_ = state.History[static_cast<std::size_t>(state.HistoryPos)];
}

void Game::RemoveFromPeers(int cell, int digit) {
  const int box = BoxSideOf(size_);
  const int row = cell / size_, col = cell % size_;
  const auto bit = static_cast<NoteMask>(1u << (digit - 1));
  for (int other = 0; other < size_ * size_; ++other) {
    const int r = other / size_, c = other % size_;
    if (r == row || c == col || (r / box == row / box && c / box == col / box))
      notes_[static_cast<std::size_t>(other)] &= static_cast<NoteMask>(~bit);
  }
}

Game::SyncResult Game::Sync(const AppState& state, SyncOptions options) {
  SyncResult result;
  if (!active_ || state.BoardSize != size_) return result;
  const int cells = size_ * size_;
  // The steps the board's history took since the journal last looked.
  int pushed = 0;
  const int pos = state.HistoryPos;
  if (pos > seenPos_ &&
      SameCells(state.History[static_cast<std::size_t>(seenPos_)], seenSnapshot_, cells)) {
    pushed = pos - seenPos_;
  } else if (pos == seenPos_ && pos == kHistorySize - 1 &&
             SameCells(state.History[static_cast<std::size_t>(pos - 1)], seenSnapshot_, cells) &&
             !SameCells(state.History[static_cast<std::size_t>(pos)], seenSnapshot_, cells)) {
    pushed = 1;  // the oldest snapshot was dropped to make room
  }
  const NoteMasks before = notes_;
  if (options.autoRemove) {
    for (int cell = 0; cell < cells; ++cell) {
      const auto i = static_cast<std::size_t>(cell);
      const int digit = DigitOf(state.Board[i]);
      if (digit != 0 && digit <= size_ && digit != DigitOf(seenBoard_[i]))
        RemoveFromPeers(cell, digit);
    }
  }
  result.notesChanged = notes_ != before;
  if (pushed > 0) {
    for (int k = 1; k < pushed; ++k) Push({true, before, before});
    Push({true, before, notes_});
  } else if (result.notesChanged) {
    // The change joined the board's current step; so do its notes, when
    // that step is the journal's newest.
    if (done_ > 0 && journal_[done_ - 1].board) {
      journal_[done_ - 1].after = notes_;
    } else {
      Push({false, before, notes_});
    }
  }
  const bool changed = seenBoard_ != state.Board;
  See(state);
  if (changed && options.byPlayer && !solved_ && IsSolvedBoard(state.Board, size_)) {
    solved_ = true;
    result.solvedNow = true;
  }
  return result;
}

bool Game::BoardCanUndo(const AppState& state) const {
  return state.HistoryPos > 0 &&
         HoldsGivens(state.History[static_cast<std::size_t>(state.HistoryPos - 1)]);
}

bool Game::CanUndo(const AppState& state) const {
  if (!active_ || done_ == 0) return false;
  return !journal_[done_ - 1].board || BoardCanUndo(state);
}

bool Game::CanRedo(const AppState& state) const {
  if (!active_ || done_ == journal_.size()) return false;
  return !journal_[done_].board || state.HistoryPos < state.HistoryTop;
}

bool Game::Undo(App app) {
  if (!CanUndo(app.state)) return false;
  const Step& step = journal_[--done_];
  if (step.board) UndoStep(app);
  notes_ = step.before;
  See(app.state);
  return true;
}

bool Game::Redo(App app) {
  if (!CanRedo(app.state)) return false;
  const Step& step = journal_[done_++];
  if (step.board) RedoStep(app);
  notes_ = step.after;
  See(app.state);
  return true;
}

GameRecord Game::Record(std::int64_t now) const {
  GameRecord record;
  record.boardSize = size_;
  for (int cell = 0; cell < size_ * size_; ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    if (givens_.test(i)) record.givens[i] = static_cast<std::uint8_t>(DigitOf(givenCodes_[i]));
  }
  record.notes = notes_;
  record.elapsedMs = clock_.Elapsed(now);
  record.helped = helped_;
  record.solved = solved_;
  return record;
}

bool IsSolvedBoard(const BoardCodes& board, int boardSize) {
  const int box = BoxSideOf(boardSize);
  std::array<unsigned, 16> rows{}, cols{}, boxes{};
  for (int cell = 0; cell < boardSize * boardSize; ++cell) {
    const int digit = DigitOf(board[static_cast<std::size_t>(cell)]);
    if (digit < 1 || digit > boardSize) return false;
    const unsigned bit = 1u << (digit - 1);
    const int r = cell / boardSize, c = cell % boardSize;
    const auto b = static_cast<std::size_t>(r / box * box + c / box);
    if ((rows[static_cast<std::size_t>(r)] | cols[static_cast<std::size_t>(c)] | boxes[b]) & bit)
      return false;
    rows[static_cast<std::size_t>(r)] |= bit;
    cols[static_cast<std::size_t>(c)] |= bit;
    boxes[b] |= bit;
  }
  return true;
}

CellFlags DifferentFromSolution(const BoardCodes& board, const BoardCodes& solution,
                                int boardSize) {
  CellFlags wrong;
  for (int cell = 0; cell < boardSize * boardSize; ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    const int digit = DigitOf(board[i]);
    if (digit != 0 && DigitOf(solution[i]) != 0 && digit != DigitOf(solution[i])) wrong.set(i);
  }
  return wrong;
}

}  // namespace gridora::play
