// SPDX-License-Identifier: MIT
#pragma once
// The board the logic engine reasons on: the digits placed so far and the
// candidates left in every empty cell, with the units of a 9 x 9 or a
// 16 x 16 board. Plain data; the techniques read it and the engine applies
// their steps to it.

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "core/cell.h"

namespace gridora::logic {

using Mask = std::uint32_t;  // bit d - 1: digit d

inline constexpr Mask Bit(int digit) {
  return Mask{1} << (digit - 1);
}
// Counted by halves, quarters and bytes: without the processor's own
// instruction the library call costs more.
inline int Count(Mask m) {
  m = m - ((m >> 1) & 0x55555555u);
  m = (m & 0x33333333u) + ((m >> 2) & 0x33333333u);
  m = (m + (m >> 4)) & 0x0F0F0F0Fu;
  return static_cast<int>((m * 0x01010101u) >> 24);
}
// Whether `m` has `k` bits or fewer: cheaper than counting them for a
// small `k`.
inline bool AtMost(Mask m, int k) {
  for (int i = 0; i < k && m; ++i) m &= m - 1;
  return m == 0;
}
inline int Lowest(Mask m) {
  return std::countr_zero(m) + 1;
}

// Rows, columns and boxes of one board size, and which of them hold a cell.
struct Geometry {
  int n = 9;       // cells a side
  int box = 3;     // cells a box side
  int cells = 81;  // n x n
  // Units 0 to n - 1 are the boxes, n to 2n - 1 the rows, 2n to 3n - 1 the
  // columns; each lists its n cells in reading order.
  std::vector<std::vector<int>> units;
  std::vector<std::array<int, 3>> unitsOf;             // box, row, column unit of a cell
  std::vector<std::vector<int>> peers;                 // the cells sharing a unit, ascending
  std::vector<std::array<std::uint64_t, 4>> peerBits;  // the same, a bit per cell
  std::vector<std::array<int, 3>> placeIn;             // a cell's position in its box, row, column
  int RowOf(int cell) const { return cell / n; }
  int ColOf(int cell) const { return cell % n; }
  int BoxOf(int cell) const { return unitsOf[static_cast<std::size_t>(cell)][0]; }
  bool Sees(int a, int b) const {
    if (a == b) return false;
    const auto& ua = unitsOf[static_cast<std::size_t>(a)];
    const auto& ub = unitsOf[static_cast<std::size_t>(b)];
    return ua[0] == ub[0] || ua[1] == ub[1] || ua[2] == ub[2];
  }
};

// The geometry of a 9 x 9 or a 16 x 16 board, built once.
const Geometry& GeometryOf(int boardSize);

enum class UnitKind { Box, Row, Column };
inline UnitKind KindOf(const Geometry& g, int unit) {
  if (unit < g.n) return UnitKind::Box;
  return unit < 2 * g.n ? UnitKind::Row : UnitKind::Column;
}

struct Candidate {
  int cell = -1;
  int digit = 0;
  bool operator==(const Candidate&) const = default;
  auto operator<=>(const Candidate&) const = default;
};

class LogicBoard {
 public:
  // The board of `digits` (0 empty, 1 to N), every empty cell with the
  // digits none of its peers holds.
  LogicBoard(int boardSize, const std::array<std::uint8_t, kMaxCells>& digits);
  // The same with candidates of its own (an empty cell keeps only those of
  // `masks` its peers allow).
  LogicBoard(int boardSize, const std::array<std::uint8_t, kMaxCells>& digits,
             const std::array<Mask, kMaxCells>& masks);

  const Geometry& Geo() const { return *geo_; }
  int Size() const { return geo_->n; }
  int Value(int cell) const { return value_[static_cast<std::size_t>(cell)]; }
  Mask Cands(int cell) const { return cand_[static_cast<std::size_t>(cell)]; }
  bool Has(int cell, int digit) const { return (Cands(cell) & Bit(digit)) != 0; }
  // The cells of `unit` where `digit` is still a candidate, as a bit per
  // position in the unit.
  Mask Places(int unit, int digit) const {
    return places_[static_cast<std::size_t>(unit)][static_cast<std::size_t>(digit - 1)];
  }
  // The places of every digit in `unit`, digit d at d - 1; zero past the
  // board's digits.
  const std::array<Mask, 16>& PlacesIn(int unit) const {
    return places_[static_cast<std::size_t>(unit)];
  }
  // The digits of `unit` that have one place left there.
  Mask OnePlace(int unit) const { return onePlace_[static_cast<std::size_t>(unit)]; }
  // The cells where `digit` is still a candidate, a bit per cell.
  const std::array<std::uint64_t, 4>& CellsOf(int digit) const {
    return cellsOf_[static_cast<std::size_t>(digit - 1)];
  }
  // The cells of `unit` that hold no digit.
  int EmptyIn(int unit) const { return geo_->n - filled_[static_cast<std::size_t>(unit)]; }
  bool Solved() const;
  // A cell without a digit or candidate, or a unit missing a digit that has
  // no place left: the board contradicts itself.
  bool Broken() const;

  // Places `digit` in `cell` and removes it from the peers' candidates.
  void Place(int cell, int digit);
  void Remove(int cell, int digit) {
    Mask& cands = cand_[static_cast<std::size_t>(cell)];
    if (!(cands & Bit(digit))) return;
    cands &= ~Bit(digit);
    if (cands == 0) broken_ = true;  // an empty cell without candidates
    Unplace(cell, digit);
  }
  const std::array<std::uint8_t, kMaxCells>& Digits() const { return value_; }

 private:
  static constexpr int kMaxSide = 16;
  // The board of the givens `digits`, the candidates of each empty cell
  // within `masks` (every digit when null).
  void Start(const std::array<std::uint8_t, kMaxCells>& digits,
             const std::array<Mask, kMaxCells>* masks);
  // Takes `cell` off the places of `digit` in its units.
  void Unplace(int cell, int digit);
  // Broken() by looking at every cell and unit.
  bool Recount() const;

  const Geometry* geo_;
  std::array<std::uint8_t, kMaxCells> value_{};
  std::array<Mask, kMaxCells> cand_{};
  // The places of each digit in each unit, kept as the candidates change.
  std::array<std::array<Mask, kMaxSide>, 3 * kMaxSide> places_{};
  // The digits of each unit whose places there are one cell, kept with them.
  std::array<Mask, 3 * kMaxSide> onePlace_{};
  // The same by digit over the whole board.
  std::array<std::array<std::uint64_t, 4>, kMaxSide> cellsOf_{};
  // The digits placed in each unit. A board contradicts itself from the
  // change that breaks it on (a digit placed twice in a unit, a cell's last
  // candidate or a digit's last place in a unit taken), as long as every
  // digit goes to an empty cell that has candidates; `irregular_` records
  // a placement that did not, and then Broken() counts again.
  std::array<Mask, 3 * kMaxSide> placed_{};
  std::array<int, 3 * kMaxSide> filled_{};  // the cells of each unit that hold a digit
  bool broken_ = false;
  bool irregular_ = false;
};

}  // namespace gridora::logic
