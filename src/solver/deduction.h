// SPDX-License-Identifier: MIT
#pragma once
// The deduction engine: a cyclic scan that checks every changed cell, fixes
// the cells left with one candidate, and runs six unit passes on every unit
// that changed since it was last examined.
//
// The passes keep their deliberate limits: a naked pair is compared with the
// next position only, a hidden pair with the next digit only, and the scan
// stops at the last checked cell even when cells changed behind it still
// wait for their check. A run ends with SolveState 2 (contradiction at the
// scan position), 3 (stuck) or 4 (every cell fixed).

#include "solver/candidate_grid.h"

namespace gridora {

template <int N>
class Deduction : public CandidateGrid<N> {
 protected:
  using Grid = CandidateGrid<N>;
  using G = typename Grid::G;
  using Grid::C;
  using Grid::cand_;
  using Grid::cellsLeft_;
  using Grid::changed_;
  using Unit = std::array<std::uint8_t, N>;
  static constexpr int B = G::B;

  explicit Deduction(SolveHook* hook) : Grid(hook) {}

  // The top-level run: check every cell once, then scan from cell 0.
  void FirstSweep() {
    lastChecked_ = C - 1;
    for (c_ = 0; c_ < C; ++c_) {
      if (CheckCell(c_)) return;
    }
    c_ = 0;
    Scan(true);
  }

  // Runs the scan from c_. `fromTop` false enters after the stop test, so
  // the first cell is processed even when it is the last checked one.
  void Scan(bool fromTop) {
    for (;;) {
      if (fromTop && c_ == lastChecked_) {
        state_ = SolveState::Stuck;
        return;
      }
      fromTop = true;
      if (this->CellDigit(c_) == 0) {
        for (int kind = 0; kind < kUnitKinds; ++kind) {
          if (this->TakeUnitDirty(kind, c_)) UnitPasses(kind, c_);
        }
      }
      if (changed_[static_cast<std::size_t>(c_)] && CheckCell(c_)) return;
      this->YieldPoint();
      if (++c_ == C) c_ = 0;
    }
  }

  // Examines `cell`; true when the run ended (SolveState says how).
  bool CheckCell(int cell) {
    lastChecked_ = cell;
    changed_[static_cast<std::size_t>(cell)] = false;
    const int v = this->CellDigit(cell);
    if (v == 0) return false;
    if (v < 0) {
      state_ = SolveState::Contradiction;
      return true;
    }
    this->Fix(cell, v);
    if (cellsLeft_ == 0) {
      state_ = SolveState::Solved;
      return true;
    }
    const CandMask bit = BitMask[static_cast<std::size_t>(v - 1)];
    const auto& units = G::kCellUnits[static_cast<std::size_t>(cell)];
    for (std::size_t kind = 0; kind < kUnitKinds; ++kind) {
      for (const std::uint8_t peer : G::kUnits[kind][units[kind]]) {
        CandMask& mask = cand_[peer];
        if (peer != cell && (mask & bit) != 0) {
          mask = static_cast<CandMask>(mask & ~bit);
          changed_[peer] = true;
        }
      }
    }
    return false;
  }

  int c_ = 0;            // scan position
  int lastChecked_ = 0;  // cell of the latest CheckCell
  SolveState state_ = SolveState::Running;

  // The six unit passes, in their order, on the unit of `kind` that holds `cell`.
  void UnitPasses(int kind, int cell) {
    const auto k = static_cast<std::size_t>(kind);
    const Unit& unit = G::kUnits[k][G::kCellUnits[static_cast<std::size_t>(cell)][k]];
    NakedPair(unit);
    BuildDigitPositions(unit);
    HiddenSingle();
    HiddenPair();
    LockedCandidates(kind, unit);
    ApplyDigitPositions(unit);
  }

  // Clears `digits` from cell q, which then awaits its check.
  void Remove(int q, CandMask digits) {
    CandMask& mask = cand_[static_cast<std::size_t>(q)];
    mask = static_cast<CandMask>(mask & ~digits);
    changed_[static_cast<std::size_t>(q)] = true;
    this->MarkUnitsDirty(q);
  }

  void NakedPair(const Unit& unit) {
    for (int k = 0; k + 1 < N; ++k) {
      const CandMask pair = cand_[unit[static_cast<std::size_t>(k)]];
      if (cand_[unit[static_cast<std::size_t>(k + 1)]] != pair || PopCount(pair, N) != 2) continue;
      bool removed = false;
      for (int m = 0; m < N; ++m) {
        if (m == k || m == k + 1) continue;
        const int q = unit[static_cast<std::size_t>(m)];
        if ((cand_[static_cast<std::size_t>(q)] & pair) != 0) {
          Remove(q, pair);
          removed = true;
        }
      }
      if (removed) {
        changed_[unit[static_cast<std::size_t>(k)]] = true;
        this->MarkUnitsDirty(unit[static_cast<std::size_t>(k)]);
      }
    }
  }

  void BuildDigitPositions(const Unit& unit) {
    positions_ = {};
    for (int k = 0; k < N; ++k) {
      unsigned mask = cand_[unit[static_cast<std::size_t>(k)]] & G::kFull;
      const auto at = static_cast<CandMask>(1u << k);
      while (mask != 0) {
        const int d = std::countr_zero(mask);
        positions_[static_cast<std::size_t>(d)] |= at;
        mask &= mask - 1;
      }
    }
  }

  // Digit by digit, a digit with one position takes that position from every
  // other digit. Done in one pass: a digit's set when its turn comes is its
  // own minus the single positions taken so far (`taken`); the singles are
  // disjoint, so in the end every digit loses all of them but its own.
  void HiddenSingle() {
    unsigned taken = 0;
    std::array<CandMask, kMaxDigit> single{};
    for (std::size_t d = 0; d < N; ++d) {
      const auto now = static_cast<CandMask>(positions_[d] & ~taken);
      if (now != 0 && (now & (now - 1)) == 0) {
        single[d] = now;
        taken |= now;
      }
    }
    if (taken == 0) return;
    for (std::size_t d = 0; d < N; ++d) {
      positions_[d] = static_cast<CandMask>((positions_[d] & ~taken) | single[d]);
    }
  }

  void HiddenPair() {
    for (int d = 0; d + 1 < N; ++d) {
      const CandMask set = positions_[static_cast<std::size_t>(d)];
      if (positions_[static_cast<std::size_t>(d + 1)] != set || PopCount(set, N) != 2) continue;
      for (int f = 0; f < N; ++f) {
        if (f != d && f != d + 1)
          positions_[static_cast<std::size_t>(f)] &= static_cast<CandMask>(~set);
      }
    }
  }

  // Removes `bit` from the cells at the positions of `walk` that `skip`
  // does not exclude.
  template <typename Skip>
  void RemoveAlong(const Unit& walk, CandMask bit, Skip skip) {
    for (int m = 0; m < N; ++m) {
      if (skip(m)) continue;
      const int q = walk[static_cast<std::size_t>(m)];
      if ((cand_[static_cast<std::size_t>(q)] & bit) != 0) Remove(q, bit);
    }
  }

  // A set of two positions or more can lie inside one group only: the group
  // of its lowest position. So each kind of group is tested once per digit.
  void LockedCandidates(int kind, const Unit& unit) {
    constexpr unsigned kGroup = (1u << B) - 1u;
    for (int d = 0; d < N; ++d) {
      const CandMask set = positions_[static_cast<std::size_t>(d)];
      if (MaskDigit(set) != 0) continue;  // needs two positions or more
      const CandMask bit = BitMask[static_cast<std::size_t>(d)];
      const int lowest = std::countr_zero(static_cast<unsigned>(set));
      const int g = lowest / B;  // the box row (or box of a line) of the lowest position
      if ((set & ~(kGroup << (g * B))) == 0) {
        const int p0 = unit[static_cast<std::size_t>(g * B)];
        if (kind == 0) {
          const int rowInBox = (p0 % (B * N)) / N;
          RemoveAlong(G::kUnits[2][static_cast<std::size_t>(G::BoxOf(p0))], bit,
                      [&](int m) { return m / B == rowInBox; });
        } else if (kind == 1) {
          const int columnInBox = p0 % B;
          RemoveAlong(G::kUnits[2][static_cast<std::size_t>(G::BoxOf(p0))], bit,
                      [&](int m) { return m % B == columnInBox; });
        } else {
          const int boxColumns = (p0 % N) / B;
          RemoveAlong(G::kUnits[0][static_cast<std::size_t>(G::RowOf(p0))], bit,
                      [&](int m) { return m / B == boxColumns; });
        }
      }
      if (kind != 2) continue;
      const int column = lowest % B;  // the box column of the lowest position
      if ((set & ~kBoxColumn[static_cast<std::size_t>(column)]) == 0) {
        const int p0 = unit[static_cast<std::size_t>(column)];
        const int band = p0 / (B * N);
        RemoveAlong(G::kUnits[1][static_cast<std::size_t>(G::ColumnOf(p0))], bit,
                    [&](int m) { return m / B == band; });
      }
    }
  }

  void ApplyDigitPositions(const Unit& unit) {
    // keep[k]: the digits whose position set still holds position k.
    std::array<unsigned, N> keep{};
    for (int d = 0; d < N; ++d) {
      unsigned set = positions_[static_cast<std::size_t>(d)];
      while (set != 0) {
        keep[static_cast<std::size_t>(std::countr_zero(set))] |= 1u << d;
        set &= set - 1;
      }
    }
    for (int k = 0; k < N; ++k) {
      const int q = unit[static_cast<std::size_t>(k)];
      const auto drop = static_cast<CandMask>(cand_[static_cast<std::size_t>(q)] & G::kFull &
                                              ~keep[static_cast<std::size_t>(k)]);
      if (drop != 0) Remove(q, drop);
    }
  }

  std::array<CandMask, kMaxDigit> positions_{};  // DigitPositions of the unit

 private:
  // Positions g, g + B, g + 2B, ... of a box: its column g.
  static constexpr std::array<unsigned, B> kBoxColumn = [] {
    std::array<unsigned, B> columns{};
    for (int g = 0; g < B; ++g) {
      for (int i = 0; i < B; ++i) columns[static_cast<std::size_t>(g)] |= 1u << (g + i * B);
    }
    return columns;
  }();
};

}  // namespace gridora
