// SPDX-License-Identifier: MIT
#pragma once
// What the playing aids read off a board: the candidates of the empty cells
// and the cells whose digit repeats in a row, column or box. Digits of every
// colour class count, as in the legality test of the input modes, so the
// candidates of a cell are exactly the digits the pop-up list offers there.

#include <array>
#include <bitset>

#include "core/cell.h"
#include "solver/masks.h"

namespace gridora {

using CandidateMasks = std::array<CandMask, kMaxCells>;
using CellSet = std::bitset<kMaxCells>;

// Bit d - 1 set for every digit d that no digit of the cell's row, column
// or box excludes; 0 for filled cells and cells outside the board.
CandidateMasks CandidatesOf(const BoardCodes& board, int boardSize);

// The cells whose digit stands once more in their row, column or box (both
// cells of a repetition).
CellSet RepeatedCells(const BoardCodes& board, int boardSize);

// The digits of a mask in ascending order, as a bit loop would find them:
// for (int d : DigitsOf(mask)) ...
struct DigitsOf {
  CandMask mask;
  struct Iterator {
    unsigned rest;
    int operator*() const;
    Iterator& operator++() {
      rest &= rest - 1;
      return *this;
    }
    bool operator!=(const Iterator& other) const { return rest != other.rest; }
  };
  Iterator begin() const { return {mask}; }
  Iterator end() const { return {0}; }
};

}  // namespace gridora
