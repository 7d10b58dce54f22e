// SPDX-License-Identifier: MIT
#pragma once
// The complete search: solves any 9 x 9 or 16 x 16 board, counts its
// solutions up to a limit and proves a puzzle unique.
//
// Responsibilities:
//  - 9 x 9 boards: the band search of band_search.h (per-digit bitboards,
//    three 27-bit band words a digit);
//  - 16 x 16 boards: the band search of band_search16.h (four 64-bit band
//    words a digit; branches chosen by probing once a board proves hard);
//  - singles alone (SolveBySingles) on one candidate mask a cell;
//  - stop at `limit` solutions and keep the first ones found, or earlier at
//    the bounds of SearchLimits.
// It shares nothing with the deduction solver of src/solver, whose results
// it never changes; the two only read the same boards.
//
//   Grid givens = ...;                        // 0 empty, 1 to N
//   SearchResult r = CountSolutions(9, givens, 2);
//   if (r.solutions == 1) { /* unique; r.first is the solution */ }

#include <array>
#include <atomic>
#include <cstdint>
#include <span>

#include "core/cell.h"

namespace gridora::engine {

// Digits of a board, one a cell in reading order (cell = row x N + column):
// 0 empty, 1 to N a digit. Only the first N x N entries are used.
using Grid = std::array<std::uint8_t, kMaxCells>;

// Candidate masks of a board: bit d - 1 set when digit d may stand in the
// cell. A given is a single bit; an empty mask makes the board unsolvable.
using Masks = std::array<std::uint16_t, kMaxCells>;

struct SearchResult {
  int solutions = 0;     // solutions found, 0 to the limit
  long guesses = 0;      // branches taken (the first digit of a branch counts too)
  Grid first{};          // the first solution, valid when solutions > 0
  bool stopped = false;  // ended by SearchLimits before the answer was known
};

// How far a caller lets one search go. A search that reaches a bound stops
// at once with `stopped` set; its solutions are then the ones found so far,
// which proves neither a count nor that there is none.
//
//   std::atomic<bool> cancel{false};          // set from any thread
//   SearchLimits limits{.maxGuesses = 0, .cancel = &cancel};
//   SearchResult r = CountSolutions(16, givens, 2, {}, limits);
//   if (r.stopped) { /* cancelled */ }
struct SearchLimits {
  long maxGuesses = 0;                        // 0: no bound on the guesses
  const std::atomic<bool>* cancel = nullptr;  // read before every guess

  // True when a search that has taken `guesses` guesses must stop.
  bool Reached(long guesses) const {
    return (maxGuesses > 0 && guesses >= maxGuesses) ||
           (cancel != nullptr && cancel->load(std::memory_order_relaxed));
  }
};

// Counts the solutions of `givens` on an N x N board (N = 9 or 16) up to
// `limit` (at least 1). The first min(limit, keep.size()) solutions found are
// copied into `keep`. Any byte is accepted as a digit: one above N, two equal
// digits in a unit, or a size other than 9 and 16 give no solution.
SearchResult CountSolutions(int boardSize, const Grid& givens, int limit, std::span<Grid> keep = {},
                            const SearchLimits& limits = {});

// The same from candidate masks, for searches that forbid some digits in
// some cells (the generator asks "is there a solution whose cell c is not
// d?").
SearchResult CountSolutionsFromMasks(int boardSize, const Masks& masks, int limit,
                                     std::span<Grid> keep = {}, const SearchLimits& limits = {});

// True when every row, column and box of the first N x N digits holds each
// digit 1 to N once (N = 9 or 16; any other size is false).
bool IsSolvedGrid(int boardSize, const Grid& grid);

// True when `grid` is solved and keeps every nonzero digit of `givens`.
bool SolvesPuzzle(int boardSize, const Grid& givens, const Grid& grid);

// Fills the naked and hidden singles of `givens` to a fixed point without
// guessing. Returns true when that solves the board (`grid` is then the
// solution); false when singles stall or meet a contradiction.
bool SolveBySingles(int boardSize, const Grid& givens, Grid& grid);

}  // namespace gridora::engine
