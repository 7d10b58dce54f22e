// SPDX-License-Identifier: MIT
#include "logic/logic_board.h"

#include <algorithm>

namespace gridora::logic {

namespace {

Geometry Build(int n, int box) {
  Geometry g;
  g.n = n;
  g.box = box;
  g.cells = n * n;
  g.units.assign(static_cast<std::size_t>(3 * n), {});
  g.unitsOf.assign(static_cast<std::size_t>(g.cells), {});
  g.placeIn.assign(static_cast<std::size_t>(g.cells), {});
  for (int cell = 0; cell < g.cells; ++cell) {
    const int r = cell / n;
    const int c = cell % n;
    const int b = r / box * box + c / box;
    g.unitsOf[static_cast<std::size_t>(cell)] = {b, n + r, 2 * n + c};
    g.placeIn[static_cast<std::size_t>(cell)] = {r % box * box + c % box, c, r};
    for (int u : g.unitsOf[static_cast<std::size_t>(cell)]) {
      g.units[static_cast<std::size_t>(u)].push_back(cell);
    }
  }
  g.peers.assign(static_cast<std::size_t>(g.cells), {});
  for (int cell = 0; cell < g.cells; ++cell) {
    auto& peers = g.peers[static_cast<std::size_t>(cell)];
    for (int u : g.unitsOf[static_cast<std::size_t>(cell)]) {
      for (int other : g.units[static_cast<std::size_t>(u)]) {
        if (other != cell) peers.push_back(other);
      }
    }
    std::sort(peers.begin(), peers.end());
    peers.erase(std::unique(peers.begin(), peers.end()), peers.end());
  }
  g.peerBits.assign(static_cast<std::size_t>(g.cells), {});
  for (int cell = 0; cell < g.cells; ++cell) {
    for (int peer : g.peers[static_cast<std::size_t>(cell)])
      g.peerBits[static_cast<std::size_t>(cell)][static_cast<std::size_t>(peer / 64)] |=
          std::uint64_t{1} << (peer % 64);
  }
  return g;
}

}  // namespace

// The tables live as long as the process: a worker thread (the puzzle
// stock's) may still be rating when the program ends through exit(), for
// example when Qt loses its X connection, and static destructors would pull
// them from under it.
// Each is made when first asked for.
const Geometry& GeometryOf(int boardSize) {
  if (boardSize == 16) {
    static const Geometry& sixteen = *new Geometry(Build(16, 4));
    return sixteen;
  }
  static const Geometry& nine = *new Geometry(Build(9, 3));
  return nine;
}

LogicBoard::LogicBoard(int boardSize, const std::array<std::uint8_t, kMaxCells>& digits)
    : geo_(&GeometryOf(boardSize)) {
  Start(digits, nullptr);
}

LogicBoard::LogicBoard(int boardSize, const std::array<std::uint8_t, kMaxCells>& digits,
                       const std::array<Mask, kMaxCells>& masks)
    : geo_(&GeometryOf(boardSize)) {
  Start(digits, &masks);
}

// The state placing the givens one by one would leave: each empty cell
// keeps the digits of its mask that no given among its peers holds.
void LogicBoard::Start(const std::array<std::uint8_t, kMaxCells>& digits,
                       const std::array<Mask, kMaxCells>* masks) {
  const Mask full = (Mask{1} << geo_->n) - 1;
  for (int cell = 0; cell < geo_->cells; ++cell) {
    const int d = digits[static_cast<std::size_t>(cell)];
    if (d < 1 || d > geo_->n) continue;
    value_[static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(d);
    for (int unit : geo_->unitsOf[static_cast<std::size_t>(cell)]) {
      placed_[static_cast<std::size_t>(unit)] |= Bit(d);
      ++filled_[static_cast<std::size_t>(unit)];
    }
  }
  for (int cell = 0; cell < geo_->cells; ++cell) {
    if (value_[static_cast<std::size_t>(cell)] != 0) continue;
    const auto& units = geo_->unitsOf[static_cast<std::size_t>(cell)];
    const auto& at = geo_->placeIn[static_cast<std::size_t>(cell)];
    Mask cands = masks ? (*masks)[static_cast<std::size_t>(cell)] & full : full;
    for (int unit : units) cands &= ~placed_[static_cast<std::size_t>(unit)];
    cand_[static_cast<std::size_t>(cell)] = cands;
    for (Mask m = cands; m; m &= m - 1) {
      const auto digit = static_cast<std::size_t>(std::countr_zero(m));
      for (std::size_t k = 0; k < 3; ++k)
        places_[static_cast<std::size_t>(units[k])][digit] |= Mask{1} << at[k];
      cellsOf_[digit][static_cast<std::size_t>(cell / 64)] |= std::uint64_t{1} << (cell % 64);
    }
  }
  for (int unit = 0; unit < 3 * geo_->n; ++unit) {
    for (int d = 1; d <= geo_->n; ++d) {
      const Mask places = Places(unit, d);
      if (places != 0 && (places & (places - 1)) == 0)
        onePlace_[static_cast<std::size_t>(unit)] |= Bit(d);
    }
  }
  broken_ = Recount();
}

void LogicBoard::Unplace(int cell, int digit) {
  cellsOf_[static_cast<std::size_t>(digit - 1)][static_cast<std::size_t>(cell / 64)] &=
      ~(std::uint64_t{1} << (cell % 64));
  const auto& units = geo_->unitsOf[static_cast<std::size_t>(cell)];
  const auto& at = geo_->placeIn[static_cast<std::size_t>(cell)];
  for (std::size_t k = 0; k < 3; ++k) {
    const auto unit = static_cast<std::size_t>(units[k]);
    Mask& places = places_[unit][static_cast<std::size_t>(digit - 1)];
    places &= ~(Mask{1} << at[k]);
    // Places only go: with two left or more the digit had two or more before.
    if ((places & (places - 1)) != 0) continue;
    if (places != 0) {
      onePlace_[unit] |= Bit(digit);
    } else {
      onePlace_[unit] &= ~Bit(digit);
      if (!(placed_[unit] & Bit(digit))) broken_ = true;
    }
  }
}

bool LogicBoard::Solved() const {
  for (int cell = 0; cell < geo_->cells; ++cell) {
    if (Value(cell) == 0) return false;
  }
  return true;
}

bool LogicBoard::Broken() const {
  return irregular_ ? Recount() : broken_;
}

bool LogicBoard::Recount() const {
  for (int cell = 0; cell < geo_->cells; ++cell) {
    if (Value(cell) == 0 && Cands(cell) == 0) return true;
  }
  for (int u = 0; u < 3 * geo_->n; ++u) {
    Mask seen = 0;
    Mask placed = 0;
    for (int cell : geo_->units[static_cast<std::size_t>(u)]) {
      if (Value(cell) != 0) {
        if (placed & Bit(Value(cell))) return true;
        placed |= Bit(Value(cell));
      } else {
        seen |= Cands(cell);
      }
    }
    if ((seen | placed) != (Mask{1} << geo_->n) - 1) return true;
  }
  return false;
}

void LogicBoard::Place(int cell, int digit) {
  const bool empty = value_[static_cast<std::size_t>(cell)] == 0;
  if (!empty || cand_[static_cast<std::size_t>(cell)] == 0) irregular_ = true;
  value_[static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(digit);
  for (int unit : geo_->unitsOf[static_cast<std::size_t>(cell)]) {
    Mask& placed = placed_[static_cast<std::size_t>(unit)];
    if (placed & Bit(digit)) broken_ = true;
    placed |= Bit(digit);
    filled_[static_cast<std::size_t>(unit)] += empty ? 1 : 0;
  }
  for (Mask m = cand_[static_cast<std::size_t>(cell)]; m; m &= m - 1) Unplace(cell, Lowest(m));
  cand_[static_cast<std::size_t>(cell)] = 0;
  // Only the peers that still have the digit: removing it elsewhere changes
  // nothing, and the removals do not depend on one another's order.
  const auto& peers = geo_->peerBits[static_cast<std::size_t>(cell)];
  const auto& holding = cellsOf_[static_cast<std::size_t>(digit - 1)];
  const std::size_t words = static_cast<std::size_t>((geo_->cells + 63) / 64);
  for (std::size_t w = 0; w < words; ++w) {
    for (std::uint64_t m = peers[w] & holding[w]; m; m &= m - 1)
      Remove(static_cast<int>(w * 64) + std::countr_zero(m), digit);
  }
}

}  // namespace gridora::logic
