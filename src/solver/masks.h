// SPDX-License-Identifier: MIT
#pragma once
// Candidate masks and the unit geometry of both board sizes.
//
// A candidate mask is 16 bits; bit d - 1 set means digit d is still possible.
// Units are rows (kind 0), columns (kind 1) and boxes (kind 2), each with N
// positions 0 to N - 1. Everything here is constexpr so that the solver's
// tables are built at compile time.

#include <array>
#include <bit>
#include <cstdint>

namespace gridora {

using CandMask = std::uint16_t;

inline constexpr int kUnitKinds = 3;  // row, column, box

// BitMask[i] = 1 << i: the mask of digit i + 1.
inline constexpr std::array<CandMask, 16> BitMask = [] {
  std::array<CandMask, 16> table{};
  for (int i = 0; i < 16; ++i) table[static_cast<std::size_t>(i)] = static_cast<CandMask>(1u << i);
  return table;
}();

// -1 for an empty mask, d when only digit d is left, 0 for two or more
// digits. All 16 bits are looked at, whatever the board size.
constexpr int MaskDigit(CandMask mask) {
  if (mask == 0) return -1;
  if ((mask & (mask - 1)) != 0) return 0;
  return std::countr_zero(static_cast<unsigned>(mask)) + 1;
}

// Number of set bits among the lowest `n` bits. Counted by halves rather
// than with std::popcount, which without a popcount instruction in the
// target becomes a library call in the solver's innermost loops.
constexpr int PopCount(CandMask mask, int n) {
  unsigned x = n >= 16 ? mask : mask & ((1u << n) - 1u);
  x = x - ((x >> 1) & 0x5555u);
  x = (x & 0x3333u) + ((x >> 2) & 0x3333u);
  x = (x + (x >> 4)) & 0x0F0Fu;
  return static_cast<int>((x + (x >> 8)) & 0x1Fu);
}

// Geometry of an N x N board with boxes of side B.
template <int N>
struct Geometry {
  static_assert(N == 9 || N == 16, "boards are 9 x 9 or 16 x 16");
  static constexpr int B = N == 9 ? 3 : 4;
  static constexpr int C = N * N;
  static constexpr CandMask kFull = static_cast<CandMask>(N == 16 ? 0xFFFFu : (1u << N) - 1u);

  static constexpr int RowOf(int cell) { return cell / N; }
  static constexpr int ColumnOf(int cell) { return cell % N; }
  static constexpr int BoxOf(int cell) { return (cell / (B * N)) * B + (cell % N) / B; }
  static constexpr int UnitOf(int cell, int kind) {
    return kind == 0 ? RowOf(cell) : kind == 1 ? ColumnOf(cell) : BoxOf(cell);
  }

  // The cell at position k of the unit of `kind` that contains `cell`; 0 for
  // any other kind.
  static constexpr int UnitCell(int cell, int kind, int k) {
    switch (kind) {
      case 0:
        return (cell / N) * N + k;
      case 1:
        return cell % N + k * N;
      case 2: {
        const int origin = (cell / (B * N)) * (B * N) + ((cell % N) / B) * B;
        return origin + (k / B) * N + k % B;
      }
      default:
        return 0;
    }
  }

  // Units[kind][unit][k]: the cells of every unit, position by position.
  using UnitTable = std::array<std::array<std::array<std::uint8_t, N>, N>, kUnitKinds>;
  static constexpr UnitTable kUnits = [] {
    UnitTable table{};
    for (int kind = 0; kind < kUnitKinds; ++kind) {
      for (int unit = 0; unit < N; ++unit) {
        // A cell of the unit: the first cell of row `unit`, column `unit`, box `unit`.
        const int first = kind == 0   ? unit * N
                          : kind == 1 ? unit
                                      : (unit / B) * B * N + (unit % B) * B;
        for (int k = 0; k < N; ++k) {
          table[static_cast<std::size_t>(kind)][static_cast<std::size_t>(unit)]
               [static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(UnitCell(first, kind, k));
        }
      }
    }
    return table;
  }();

  // CellUnits[cell] = {row, column, box} of the cell.
  using CellUnitTable = std::array<std::array<std::uint8_t, kUnitKinds>, C>;
  static constexpr CellUnitTable kCellUnits = [] {
    CellUnitTable table{};
    for (int cell = 0; cell < C; ++cell) {
      for (int kind = 0; kind < kUnitKinds; ++kind) {
        table[static_cast<std::size_t>(cell)][static_cast<std::size_t>(kind)] =
            static_cast<std::uint8_t>(UnitOf(cell, kind));
      }
    }
    return table;
  }();
};

using Geometry9 = Geometry<9>;
using Geometry16 = Geometry<16>;

inline constexpr int UnitCell9(int cell, int kind, int k) {
  return Geometry9::UnitCell(cell, kind, k);
}
inline constexpr int UnitCell16(int cell, int kind, int k) {
  return Geometry16::UnitCell(cell, kind, k);
}

}  // namespace gridora
