// SPDX-License-Identifier: MIT
#pragma once
// The solver's own grid: one candidate mask per cell, the dirty units, the
// cells awaiting their check, the open-cell count and the progress bar.
// Shared by the deduction passes and the hypothesis search, which derive
// from it; one instance lives for one solve.

#include <array>
#include <climits>
#include <cstdint>
#include <string>

#include "core/cell.h"
#include "solver/masks.h"
#include "solver/solver.h"
#include "solver/solver_tables.h"

namespace gridora {

template <int N>
class CandidateGrid {
 public:
  using G = Geometry<N>;
  static constexpr int C = G::C;
  // The work arrays have one spare cell, as the grid always had.
  using Masks = std::array<CandMask, kMaxCells + 1>;

  explicit CandidateGrid(SolveHook* hook) : hook_(hook) {
    yieldEvery_ = hook != nullptr ? hook->yieldEvery() : INT_MAX;
    yieldCountdown_ = yieldEvery_;
    progressText_.reserve(96);
  }

  int CellDigit(int cell) const { return MaskDigit(cand_[static_cast<std::size_t>(cell)]); }

 protected:
  // Fixes `cell` to digit v, or opens it with every candidate for v = 0.
  // A digit above 16 cannot be a candidate: the cell is fixed with none,
  // which the first sweep reports as a contradiction.
  void Fix(int cell, int v) {
    CandMask& mask = cand_[static_cast<std::size_t>(cell)];
    if (v == 0) {
      mask = G::kFull;
    } else {
      mask = v <= 16 ? BitMask[static_cast<std::size_t>(v - 1)] : CandMask{0};
      --cellsLeft_;
      MarkUnitsDirty(cell);
    }
    if (emptyAtStart_ != -1 && Filled(cellsLeft_) > shownFilled_) ShowSearchProgress();
  }

  void MarkUnitsDirty(int cell) {
    const auto& units = G::kCellUnits[static_cast<std::size_t>(cell)];
    for (std::size_t kind = 0; kind < kUnitKinds; ++kind) {
      dirty_[kind] = static_cast<CandMask>(dirty_[kind] | BitMask[units[kind]]);
    }
  }

  // Clears the dirty bit of the cell's unit of `kind`; true when it was set.
  bool TakeUnitDirty(int kind, int cell) {
    if (kind < 0 || kind >= kUnitKinds) return false;
    const auto k = static_cast<std::size_t>(kind);
    const CandMask bit = BitMask[G::kCellUnits[static_cast<std::size_t>(cell)][k]];
    const bool wasSet = (dirty_[k] & bit) != 0;
    dirty_[k] = static_cast<CandMask>(dirty_[k] & ~bit);
    return wasSet;
  }

  // Loads the board: coloured digits count as empty, every cell awaits its
  // check, and CellsLeft restarts at C for the first sweep.
  void Load(const BoardCodes& board) {
    cellsLeft_ = C;
    solutionCount_ = 0;
    emptyAtStart_ = -1;
    for (int cell = 0; cell < C; ++cell) {
      const int code = board[static_cast<std::size_t>(cell)];
      Fix(cell, code >= 128 ? 0 : code);
      changed_[static_cast<std::size_t>(cell)] = true;
    }
    emptyAtStart_ = cellsLeft_;
    for (int open = 0; open <= C; ++open) {
      filledFor_[static_cast<std::size_t>(open)] =
          static_cast<std::int16_t>(ProgressFilled(open, emptyAtStart_));
    }
    ShowSearchProgress();
    dirty_ = {};
    cellsLeft_ = C;
  }

  // Puts the progress bar for CellsLeft on the screen.
  void ShowSearchProgress() {
    SetProgressShown(cellsLeft_);
    if (hook_ == nullptr) return;
    progressText_.clear();
    AppendProgressText(progressText_, solutionCount_ + 1, shownFilled_);
    hook_->ShowProgress(progressText_);
    hook_->Yield();
  }

  void SetProgressShown(int open) {
    progressShown_ = open;
    shownFilled_ = Filled(open);
  }

  // Lets pending window events run, at most once every yieldEvery visits.
  void YieldPoint() {
    if (--yieldCountdown_ > 0) return;
    yieldCountdown_ = yieldEvery_;
    if (hook_ != nullptr) hook_->Yield();
  }

  int Filled(int open) const {
    return open >= 0 && open <= C ? filledFor_[static_cast<std::size_t>(open)]
                                  : ProgressFilled(open, emptyAtStart_);
  }

  Masks cand_{};                               // SolverCand
  std::array<CandMask, kUnitKinds> dirty_{};   // DirtyUnits: rows, columns, boxes
  std::array<bool, kMaxCells + 1> changed_{};  // awaiting CheckCell
  int cellsLeft_ = C;
  int emptyAtStart_ = -1;
  int progressShown_ = 0;
  int solutionCount_ = 0;

 private:
  SolveHook* hook_;
  int yieldEvery_;
  int yieldCountdown_;
  int shownFilled_ = 0;
  std::array<std::int16_t, kMaxCells + 1> filledFor_{};
  std::string progressText_;
};

}  // namespace gridora
