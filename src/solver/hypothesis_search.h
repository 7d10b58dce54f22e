// SPDX-License-Identifier: MIT
#pragma once
// The hypothesis search around the deduction runs, written as one loop over
// an enum of steps: the stack never grows with the search.
//
// When a run gets stuck, the search walks the cells in cyclic order and
// chooses the first open one with exactly TargetCount candidates (2, 3, ...
// up to the limit). Each candidate is tried in a deduction run of its own
// from the base state (SnapshotA). A contradicting candidate leaves the base;
// a candidate whose run gets stuck is undecided. One undecided candidate makes
// the state its run reached (SnapshotB) the new base; a second one gives the
// cell up. Solutions go into the answer slots; with alternatives on, a
// solving candidate is eliminated like a contradicting one so that the search
// goes on. The tenth solution ends the solve at once.

#include "solver/deduction.h"
#include "solver/finish_solve.h"

namespace gridora {

// The Undecided values that are not a digit.
enum Undecided : int {
  kNoUndecided = 0,        // no trial of the cell got stuck yet
  kSeveralUndecided = -1,  // more than one trial got stuck: the cell is left
};

template <int N>
class HypothesisSearch : public Deduction<N> {
 public:
  HypothesisSearch(const BoardCodes& board, const SolveSettings& settings,
                   const std::array<std::string, 8>& messages, SolveHook* hook,
                   SolveOutcome& outcome)
      : Deduction<N>(hook),
        board_(board),
        settings_(settings),
        messages_(messages),
        outcome_(outcome) {
    // A target above N never matches a cell, so a larger limit ends the same
    // way, only later; below 0 the search would never end.
    limit_ = settings.limit < 0 ? 0 : settings.limit > N ? N : settings.limit;
  }

  void Run() {
    this->Load(board_);
    level_ = kLevelStandard;
    this->FirstSweep();
    Step step = AfterRun();
    for (;;) {
      switch (step) {
        case Step::TrialOutcome:
          step = TrialOutcome();
          break;
        case Step::ChooseCell:
          step = ChooseCell();
          break;
        case Step::NextTrial:
          step = NextTrial();
          break;
        case Step::TrialResult:
          step = TrialResult();
          break;
        case Step::CellExhausted:
          step = CellExhausted();
          break;
        case Step::Finish:
          Finish();
          return;
        case Step::TooMany:
          outcome_.message = kTooManyText;
          Fill();
          return;
      }
    }
  }

 private:
  using Base = Deduction<N>;
  using Grid = CandidateGrid<N>;
  using Masks = typename Grid::Masks;
  using Base::C;
  using Base::c_;
  using Base::cand_;
  using Base::state_;

  enum class Step {
    TrialOutcome,
    ChooseCell,
    NextTrial,
    TrialResult,
    CellExhausted,
    Finish,
    TooMany
  };

  // After a deduction run: records a solution. True when it was the tenth.
  bool EndOfRun() {
    if (state_ != SolveState::Solved) return false;
    ++this->solutionCount_;
    if (this->solutionCount_ == kTooManySolutions) return true;
    BoardCodes& slot = outcome_.answers[static_cast<std::size_t>(this->solutionCount_ - 1)];
    for (int cell = 0; cell < kMaxCells; ++cell) {
      const auto i = static_cast<std::size_t>(cell);
      if (cell >= C) {
        slot[i] = board_[i];  // beyond the board: fetching the slot keeps these
        continue;
      }
      const int digit = this->CellDigit(cell);
      const bool given = board_[i] >= 1 && board_[i] <= 127;
      slot[i] = static_cast<CellCode>(given ? digit : digit + 128);
    }
    this->SetProgressShown(this->emptyAtStart_);
    return false;
  }

  Step AfterRun() { return EndOfRun() ? Step::TooMany : Step::TrialOutcome; }

  Step TrialOutcome() {
    if (target_ != limit_ + 1 && tryDigit_ == 0 && state_ == SolveState::Stuck) {
      state_ = SolveState::Searching;
      return Step::ChooseCell;
    }
    if (tryDigit_ != 0 && (state_ == SolveState::Contradiction || state_ == SolveState::Stuck)) {
      return Step::TrialResult;
    }
    if (tryDigit_ != 0 && (settings_.alternatives || this->solutionCount_ != 1)) {
      state_ = SolveState::Contradiction;  // eliminate the solving digit, look on
      return Step::TrialResult;
    }
    return Step::Finish;
  }

  Step ChooseCell() {
    foundDigit_ = 0;
    undecided_ = kNoUndecided;
    tryDigit_ = 0;
    level_ = kLevelHard;
    for (;;) {
      this->YieldPoint();
      if (++hypoCell_ == C) hypoCell_ = 0;
      if (hypoCell_ == cycleStart_ && ++target_ == limit_ + 1) {
        tryDigit_ = 0;
        state_ = SolveState::Stuck;
        return Step::TrialOutcome;
      }
      chosen_ = cand_[static_cast<std::size_t>(hypoCell_)];
      if (MaskDigit(chosen_) > 0) continue;
      this->YieldPoint();
      if (PopCount(chosen_, N) != target_) continue;
      snapshotA_ = cand_;
      undecided_ = kNoUndecided;
      return Step::NextTrial;
    }
  }

  Step NextTrial() {
    for (;;) {
      if (++tryDigit_ > N) return Step::CellExhausted;
      const CandMask bit = BitMask[static_cast<std::size_t>(tryDigit_ - 1)];
      if ((chosen_ & bit) == 0) continue;
      if ((seen_[static_cast<std::size_t>(hypoCell_)] & bit) != 0 && settings_.mode != 0) {
        state_ = SolveState::Stuck;  // seen before: undecided without a trial
        foundDigit_ = tryDigit_;
        return Step::TrialResult;
      }
      Restore(snapshotA_);
      state_ = SolveState::Solved;
      cand_[static_cast<std::size_t>(hypoCell_)] = bit;
      c_ = hypoCell_;
      ++outcome_.trials;
      if (!this->CheckCell(c_)) this->Scan(false);
      return AfterRun();
    }
  }

  Step TrialResult() {
    if (undecided_ != kNoUndecided && state_ == SolveState::Stuck) {
      undecided_ = kSeveralUndecided;
      return Step::CellExhausted;
    }
    if (settings_.mode == 1) CollectSeen();
    if (state_ == SolveState::Stuck) {
      undecided_ = tryDigit_;
      snapshotB_ = cand_;
    }
    if (state_ == SolveState::Contradiction) {
      CandMask& base = snapshotA_[static_cast<std::size_t>(hypoCell_)];
      base = static_cast<CandMask>(base & ~BitMask[static_cast<std::size_t>(tryDigit_ - 1)]);
    }
    state_ = SolveState::Searching;
    return Step::NextTrial;
  }

  Step CellExhausted() {
    state_ = SolveState::Searching;
    if (undecided_ == kSeveralUndecided) {
      Restore(snapshotA_);
      return Step::ChooseCell;
    }
    if (undecided_ == kNoUndecided) {
      tryDigit_ = 0;
      state_ = SolveState::Contradiction;
      return Step::TrialOutcome;
    }
    target_ = 2;
    if (foundDigit_ != 0) {
      // The sole undecided digit was seen before: commit it without a trial.
      Restore(snapshotA_);
      tryDigit_ = 0;
      state_ = SolveState::Solved;
      cand_[static_cast<std::size_t>(hypoCell_)] =
          BitMask[static_cast<std::size_t>(foundDigit_ - 1)];
      c_ = this->lastChecked_;
      cycleStart_ = hypoCell_;
      ++outcome_.commitments;
      this->Scan(false);
      return AfterRun();
    }
    Restore(snapshotB_);
    if (settings_.mode == 1) seen_ = {};
    return Step::ChooseCell;
  }

  // A snapshot becomes the grid again; every cell will be checked and fixed anew.
  void Restore(const Masks& snapshot) {
    this->cellsLeft_ = C;
    cand_ = snapshot;
    for (int cell = 0; cell < C; ++cell) this->changed_[static_cast<std::size_t>(cell)] = true;
  }

  void CollectSeen() {
    for (int cell = 0; cell < C; ++cell) {
      const int digit = this->CellDigit(cell);
      if (digit > 0) {
        CandMask& seen = seen_[static_cast<std::size_t>(cell)];
        seen = static_cast<CandMask>(seen | BitMask[static_cast<std::size_t>(digit - 1)]);
      }
    }
  }

  void Fill() {
    outcome_.state = state_;
    outcome_.level = level_;
    outcome_.solutionCount = this->solutionCount_;
    outcome_.lastCell = c_;
    outcome_.board = board_;
  }

  void Finish() {
    Fill();
    FinishInput input{N, outcome_.solutionCount, state_, level_, c_, settings_.showLevel};
    std::array<int, kMaxCells> grid{};
    std::array<int, kMaxCells> settled{};
    for (int cell = 0; cell < C; ++cell) {
      grid[static_cast<std::size_t>(cell)] = this->CellDigit(cell);
      settled[static_cast<std::size_t>(cell)] =
          MaskDigit(snapshotA_[static_cast<std::size_t>(cell)]);
    }
    FinishSolve(input, messages_, grid, settled, outcome_);
  }

  const BoardCodes& board_;
  const SolveSettings& settings_;
  const std::array<std::string, 8>& messages_;
  SolveOutcome& outcome_;
  int limit_ = 0;

  int level_ = kLevelStandard;    // SolveLevel
  int target_ = 1;                // TargetCount
  int hypoCell_ = 0;              // HypoCell
  int cycleStart_ = 0;            // CycleStart
  int tryDigit_ = 0;              // TryDigit
  int foundDigit_ = 0;            // FoundDigit
  int undecided_ = kNoUndecided;  // Undecided: a digit or one of the two below
  CandMask chosen_ = 0;           // the chosen cell's mask when it was chosen
  Masks snapshotA_{};
  Masks snapshotB_{};
  Masks seen_{};  // SeenDigits
};

}  // namespace gridora
