// SPDX-License-Identifier: MIT
#pragma once
// Helpers for the solver tests: boards from puzzle lines, a grid checker, a
// hook that records what the solver shows, and probes into the solver's
// protected steps.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "solver/deduction.h"
#include "solver/puzzle_line.h"
#include "solver/solver_tables.h"
#include "support/core_fixture.h"

namespace gridora::testing {

// A valid 9 x 9 solution, row by row.
inline constexpr std::string_view kSolved9 =
    "652483917978162435314975628825736149791824563436519872269348751547291386183657294";

inline BoardCodes BoardOf(std::string_view line) {
  const PuzzleLine parsed = ParsePuzzleLine(line);
  EXPECT_EQ(parsed.kind, PuzzleLine::Kind::Puzzle) << parsed.error;
  return parsed.board;
}

// True when the first size x size codes hold every digit once in each row,
// column and box (colour classes ignored).
inline bool IsCompleteGrid(const BoardCodes& codes, int size) {
  const int box = size == 16 ? 4 : 3;
  for (int unit = 0; unit < size; ++unit) {
    unsigned rows = 0, columns = 0, boxes = 0;
    for (int k = 0; k < size; ++k) {
      const int boxCell = (unit / box * box + k / box) * size + unit % box * box + k % box;
      for (auto [seen, cell] : {std::pair<unsigned*, int>{&rows, unit * size + k},
                                {&columns, k * size + unit},
                                {&boxes, boxCell}}) {
        const int digit = DigitOf(codes[static_cast<std::size_t>(cell)]);
        if (digit < 1 || digit > size) return false;
        *seen |= 1u << digit;
      }
    }
    const unsigned all = ((1u << size) - 1u) << 1;
    if (rows != all || columns != all || boxes != all) return false;
  }
  return true;
}

class RecordingHook : public SolveHook {
 public:
  explicit RecordingHook(int yieldEvery = 1) : SolveHook(yieldEvery) {}
  void ShowProgress(const std::string& text) override { texts.push_back(text); }
  void Yield() override { ++yields; }
  std::vector<std::string> texts;
  long yields = 0;
};

// The deduction engine with its steps opened up.
template <int N>
class DeductionProbe : public Deduction<N> {
 public:
  explicit DeductionProbe(SolveHook* hook = nullptr) : Deduction<N>(hook) {}
  using Deduction<N>::Load;
  using Deduction<N>::FirstSweep;
  using Deduction<N>::Scan;
  using Deduction<N>::CheckCell;
  using Deduction<N>::UnitPasses;
  using Deduction<N>::NakedPair;
  using Deduction<N>::BuildDigitPositions;
  using Deduction<N>::LockedCandidates;
  using Deduction<N>::cand_;
  using Deduction<N>::changed_;
  using Deduction<N>::dirty_;
  using Deduction<N>::cellsLeft_;
  using Deduction<N>::emptyAtStart_;
  using Deduction<N>::c_;
  using Deduction<N>::lastChecked_;
  using Deduction<N>::state_;

  CandMask& Cand(int cell) { return cand_[static_cast<std::size_t>(cell)]; }
  bool Changed(int cell) const { return changed_[static_cast<std::size_t>(cell)]; }
  // Every cell fixed to the digit of `solution`, nothing waiting.
  void SetSolved(std::string_view solution) {
    for (int cell = 0; cell < N * N; ++cell) {
      Cand(cell) =
          BitMask[static_cast<std::size_t>(solution[static_cast<std::size_t>(cell)] - '1')];
    }
    changed_ = {};
    dirty_ = {};
  }
};

inline CandMask Digits(std::initializer_list<int> digits) {
  CandMask mask = 0;
  for (int d : digits)
    mask = static_cast<CandMask>(mask | BitMask[static_cast<std::size_t>(d - 1)]);
  return mask;
}

// A fresh program state with the solver tables filled.
class SolverTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    InitSolverTables(state);
  }

  void Put(std::string_view line) {
    if (line.size() == 256) NewPuzzle16(app);
    state.Board = BoardOf(line);
    RedrawBoard(app);
  }

  int EnabledAnswers() const {
    int enabled = 0;
    for (int n = 1; n <= kSlotCount; ++n) {
      const bool menu = screen.answerMenu[static_cast<std::size_t>(n)];
      EXPECT_EQ(menu, screen.launcherButton[static_cast<std::size_t>(n + 17)]) << n;
      if (menu) ++enabled;
    }
    return enabled;
  }
};

}  // namespace gridora::testing
