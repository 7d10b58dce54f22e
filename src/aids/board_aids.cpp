// SPDX-License-Identifier: MIT
#include "aids/board_aids.h"

#include <bit>

namespace gridora {

namespace {

// Calls `visit`(peer) for the 3N cells of the rows, columns and boxes of
// `cell` other than the cell itself (a peer in two units comes twice).
template <int N, typename Visit>
void ForEachPeer(int cell, Visit visit) {
  using G = Geometry<N>;
  const auto& units = G::kCellUnits[static_cast<std::size_t>(cell)];
  for (std::size_t kind = 0; kind < kUnitKinds; ++kind) {
    for (const std::uint8_t peer : G::kUnits[kind][units[kind]]) {
      if (peer != cell) visit(peer);
    }
  }
}

template <int N>
CandidateMasks Candidates(const BoardCodes& board) {
  CandidateMasks result{};
  for (int cell = 0; cell < N * N; ++cell) {
    if (DigitOf(board[static_cast<std::size_t>(cell)]) != 0) continue;
    CandMask mask = Geometry<N>::kFull;
    ForEachPeer<N>(cell, [&](int peer) {
      const int digit = DigitOf(board[static_cast<std::size_t>(peer)]);
      if (digit >= 1 && digit <= N) mask = static_cast<CandMask>(mask & ~BitMask[digit - 1]);
    });
    result[static_cast<std::size_t>(cell)] = mask;
  }
  return result;
}

template <int N>
CellSet Repeated(const BoardCodes& board) {
  CellSet result;
  for (int cell = 0; cell < N * N; ++cell) {
    const int digit = DigitOf(board[static_cast<std::size_t>(cell)]);
    if (digit == 0) continue;
    ForEachPeer<N>(cell, [&](int peer) {
      if (DigitOf(board[static_cast<std::size_t>(peer)]) == digit) result.set(cell);
    });
  }
  return result;
}

}  // namespace

int DigitsOf::Iterator::operator*() const {
  return std::countr_zero(rest) + 1;
}

CandidateMasks CandidatesOf(const BoardCodes& board, int boardSize) {
  if (boardSize == 9) return Candidates<9>(board);
  if (boardSize == 16) return Candidates<16>(board);
  return {};
}

CellSet RepeatedCells(const BoardCodes& board, int boardSize) {
  if (boardSize == 9) return Repeated<9>(board);
  if (boardSize == 16) return Repeated<16>(board);
  return {};
}

}  // namespace gridora
